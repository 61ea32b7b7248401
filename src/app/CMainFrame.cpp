#include "app/CMainFrame.h"

#include "app/CAppIcons.h"
#include "app/Resource.h"
#include "app/ResourceTables.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

namespace {

QString ShownPath(const QString& path) {
    const QString home = QDir::homePath();
    QString shown = QDir::toNativeSeparators(path);
    if (shown.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + shown.mid(home.size());
    return shown;
}

QString FirstLocalFile(const QMimeData* data) {
    if (data == nullptr)
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

CMainFrame::CMainFrame(Host& host) : m_host(host) {
    setWindowIcon(CAppIcons::Application());
    setAcceptDrops(true);
    CreateMenus();
    CreateAccelerators();
    CreateToolBar();
    CreateStatusBar();
    resize(1024, 720);
}

void CMainFrame::CreateMenus() {
    for (const PopupResource& popup : MainMenuResource()) {
        QMenu* menu = LoadPopupMenu(popup, this);
        menuBar()->addMenu(menu);
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                BindAction(action, action->data().toUInt());
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        if (m_pFileMenu == nullptr)
            m_pFileMenu = menu;
    }
    m_pRecentPlaceholder = Action(ID_FILE_MRU_FILE1);
    m_pRecentPlaceholder->setObjectName(QStringLiteral("ID_FILE_MRU_PLACEHOLDER"));
    Action(ID_VIEW_TOOLBAR)->setCheckable(true);
    Action(ID_VIEW_STATUS_BAR)->setCheckable(true);
}

void CMainFrame::CreateAccelerators() {
    for (const AcceleratorResource& accelerator : AcceleratorResources()) {
        QAction* action = EnsureAction(accelerator.id);
        QList<QKeySequence> keys = action->shortcuts();
        keys << QKeySequence(accelerator.keys);
        action->setShortcuts(keys);
    }
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = addToolBar(QString());
    m_pToolBar->setObjectName(QStringLiteral("AFX_IDW_TOOLBAR"));
    m_pToolBar->setIconSize(QSize(16, 16));
    for (UINT id : ToolBarResource()) {
        if (id == ID_SEPARATOR) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* action = EnsureAction(id);
        action->setIcon(CAppIcons::ToolBar(id));
        m_pToolBar->addAction(action);
    }
    // The menu shows the shortcut in its text already; icons belong to the tool bar only.
    for (QAction* action : findChildren<QAction*>())
        action->setIconVisibleInMenu(false);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("AFX_IDW_STATUS_BAR"));
    for (UINT id : IndicatorResource()) {
        if (id == ID_SEPARATOR)
            continue;
        auto* indicator = new QLabel(IndicatorText(id), bar);
        indicator->setObjectName(CommandName(id));
        indicator->setFrameShape(QFrame::Panel);
        indicator->setFrameShadow(QFrame::Sunken);
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        // Linux gives programs no reading of the lock keys: the panes keep their "off" look.
        indicator->setEnabled(false);
        bar->addPermanentWidget(indicator);
    }
    connect(bar, &QStatusBar::messageChanged, this, &CMainFrame::ShowIdleMessage);
    ShowIdleMessage(QString());
}

void CMainFrame::ShowIdleMessage(const QString& message) {
    if (message.isEmpty())
        statusBar()->showMessage(LoadQString(AFX_IDS_IDLEMESSAGE));
}

QAction* CMainFrame::Action(UINT id) const {
    return findChild<QAction*>(CommandName(id));
}

QAction* CMainFrame::EnsureAction(UINT id) {
    if (QAction* existing = Action(id))
        return existing;
    auto* action = new QAction(this);
    action->setObjectName(CommandName(id));
    action->setData(id);
    addAction(action); // so that its shortcut works without a menu item
    BindAction(action, id);
    return action;
}

void CMainFrame::BindAction(QAction* action, UINT id) {
    action->setStatusTip(PromptOf(id));
    action->setToolTip(ToolTipOf(id));
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
}

void CMainFrame::SetCommandTargets(std::vector<CCmdTarget*> targets) {
    m_targets = std::move(targets);
    UpdateCommandUI();
}

void CMainFrame::RouteCommand(UINT id) {
    for (CCmdTarget* target : m_targets) {
        if (target->OnCommand(id))
            break;
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    for (QAction* action : findChildren<QAction*>()) {
        const UINT id = action->data().toUInt();
        if (action->isSeparator() || id == 0 || action == m_pRecentPlaceholder)
            continue;
        CCmdUI ui;
        bool handled = false;
        for (CCmdTarget* target : m_targets) {
            if ((handled = target->OnUpdateCommand(id, ui)))
                break;
        }
        action->setEnabled(handled && ui.IsEnabled());
        if (ui.Check() >= 0) {
            action->setCheckable(true);
            action->setChecked(ui.Check() == 1);
        } else if (!action->isCheckable()) {
            action->setChecked(false);
        }
    }
}

bool CMainFrame::OnCommand(UINT id) {
    switch (id) {
    case ID_VIEW_TOOLBAR:
        m_pToolBar->setVisible(!m_pToolBar->isVisible());
        return true;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case ID_APP_EXIT:
        close();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateCommand(UINT id, CCmdUI& ui) {
    switch (id) {
    case ID_VIEW_TOOLBAR:
        ui.SetCheck(m_pToolBar->isVisibleTo(this) ? 1 : 0);
        return true;
    case ID_VIEW_STATUS_BAR:
        ui.SetCheck(statusBar()->isVisibleTo(this) ? 1 : 0);
        return true;
    case ID_APP_EXIT:
        return true;
    default:
        return false;
    }
}

void CMainFrame::SetDocumentTitle(const QString& documentTitle) {
    setWindowTitle(documentTitle + QStringLiteral(" - ") + LoadQString(IDR_MAINFRAME).section(QLatin1Char('\n'), 0, 0));
}

void CMainFrame::SetRecentFiles(const QStringList& paths) {
    for (QAction* action : m_recentActions)
        delete action;
    m_recentActions.clear();
    m_pRecentPlaceholder->setVisible(paths.isEmpty());
    for (int i = 0; i < paths.size(); ++i) {
        const UINT id = ID_FILE_MRU_FILE1 + static_cast<UINT>(i);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(ShownPath(paths[i])), m_pFileMenu);
        action->setObjectName(CommandName(id));
        action->setData(id);
        action->setStatusTip(PromptOf(id));
        connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
        m_pFileMenu->insertAction(m_pRecentPlaceholder, action);
        m_recentActions.push_back(action);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_host.SaveModified())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    OnDropFiles(event->mimeData());
}

void CMainFrame::OnDropFiles(const QMimeData* mimeData) {
    const QString path = FirstLocalFile(mimeData);
    if (!path.isEmpty())
        m_host.OpenDroppedFile(path);
}
