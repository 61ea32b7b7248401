#pragma once
#include "platform/qt/CCmdTarget.h"

#include <QMainWindow>
#include <vector>

class QLabel;
class QMenu;
class QMimeData;
class QToolBar;

class CMainFrame : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    // The frame asks before it closes and hands dropped files on through these.
    struct Host {
        virtual ~Host() = default;
        virtual bool SaveModified() = 0;
        virtual void OpenDroppedFile(const QString& path) = 0;
    };

    explicit CMainFrame(Host& host);

    // The view first, then the frame itself, then the application.
    void SetCommandTargets(std::vector<CCmdTarget*> targets);
    void RouteCommand(UINT id);
    void UpdateCommandUI();

    QAction* Action(UINT id) const;
    QToolBar* ToolBar() const { return m_pToolBar; }

    void SetDocumentTitle(const QString& documentTitle);
    void SetRecentFiles(const QStringList& paths);

    // Opens the first local file of a drop, as File Open would.
    void OnDropFiles(const QMimeData* mimeData);

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, CCmdUI& ui) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateAccelerators();
    void CreateToolBar();
    void CreateStatusBar();
    QAction* EnsureAction(UINT id);
    void BindAction(QAction* action, UINT id);
    void ShowIdleMessage(const QString& message);

    Host& m_host;
    std::vector<CCmdTarget*> m_targets;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentPlaceholder = nullptr;
    std::vector<QAction*> m_recentActions;
    QToolBar* m_pToolBar = nullptr;
};
