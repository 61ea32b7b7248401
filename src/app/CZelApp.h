#pragma once
#include "app/CMainFrame.h"
#include "app/CRecentFileList.h"
#include "doc/CZelDoc.h"
#include "platform/qt/CCmdTarget.h"

#include <QObject>
#include <memory>

class CCommandLineInfo;
class CZelView;
class QPrinter;

// The application: one roster document, one frame, one view for the whole run, and the file
// commands around them.
class CZelApp : public QObject, public CCmdTarget, public CMainFrame::Host {
    Q_OBJECT
public:
    CZelApp();
    ~CZelApp() override;

    // Start-up; false when the program is to end at once with ExitCode().
    bool InitInstance(const CCommandLineInfo& commandLine);
    int ExitCode() const { return m_nExitCode; }

    CZelDoc& Document() { return m_doc; }
    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
    CZelView* View() const { return m_pView; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }
    QPrinter& Printer();

    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnAppAbout();
    void OnFilePrintSetup();
    // Asks about unsaved changes first; false when cancelled or the file could not be opened.
    bool OpenDocumentFile(const QString& path);

    // "Save changes?" for a modified roster; false when the user cancels or the save fails.
    bool SaveModified() override;
    void OpenDroppedFile(const QString& path) override;

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(UINT id, CCmdUI& ui) override;

protected:
    // The file dialogs; tests answer them without a person.
    virtual QString PromptForOpenFileName();
    virtual QString PromptForSaveFileName(const QString& suggestedName);

private:
    bool LoadDocument(const QString& path);
    void NewDocument();
    bool DoSave(const QString& path);
    void OnOpenRecentFile(int index);
    void AddToRecentFileList(const QString& path);
    void UpdateFrameTitle();
    QString DocumentTitle() const;
    bool PrintFromCommandLine(const CCommandLineInfo& commandLine);
    bool ExportFromCommandLine(const CCommandLineInfo& commandLine);
    // Opens the roster and lets the view take in its date, as a shown window would.
    bool OpenForUnattendedRun(const QString& path);
    static void ReportFailure(const QString& what);

    CZelDoc m_doc;
    CRecentFileList m_recentFiles;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    CZelView* m_pView = nullptr;
    std::unique_ptr<QPrinter> m_pPrinter;
    int m_nExitCode = 0;
};
