#include "app/CZelApp.h"

#include "app/CAboutDlg.h"
#include "app/CCommandLineInfo.h"
#include "app/CShellRegistration.h"
#include "app/Resource.h"
#include "app/ResourceTables.h"
#include "platform/MessageBox.h"
#include "platform/qt/QtText.h"
#include "view/CZelView.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

namespace {

QSettings Profile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Varomel"),
                     QStringLiteral("vkt"));
}

// Document string fields: window title, ..., filter name, filter extension.
QString DocumentStringField(int index) {
    return LoadQString(IDR_MAINFRAME).section(QLatin1Char('\n'), index, index);
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

CZelApp::CZelApp() : m_recentFiles(kRecentFileCount) {}

CZelApp::~CZelApp() = default;

bool CZelApp::InitInstance(const CCommandLineInfo& commandLine) {
    m_recentFiles.ReadList(Profile());
    m_pMainWnd = std::make_unique<CMainFrame>(*this);
    m_pView = new CZelView(&m_doc, m_pMainWnd.get());
    m_pMainWnd->setCentralWidget(m_pView);
    m_pView->SetPrinter(&Printer());
    m_pMainWnd->SetCommandTargets({m_pView, m_pMainWnd.get(), this});
    m_pMainWnd->SetRecentFiles(m_recentFiles.Files());

    CShellRegistration(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                       QCoreApplication::applicationFilePath())
        .Register();

    switch (commandLine.m_nShellCommand) {
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        m_nExitCode = PrintFromCommandLine(commandLine) ? 0 : 1;
        return false;
    case CCommandLineInfo::FileExportPdf:
        m_nExitCode = ExportFromCommandLine(commandLine) ? 0 : 1;
        return false;
    case CCommandLineInfo::FileOpen:
        // A file that cannot be opened has said why; the user goes on with a new roster.
        if (!LoadDocument(commandLine.m_strFileName))
            NewDocument();
        break;
    default:
        NewDocument();
        break;
    }
    m_pMainWnd->show();
    return true;
}

QPrinter& CZelApp::Printer() {
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

bool CZelApp::PrintFromCommandLine(const CCommandLineInfo& commandLine) {
    const QPrinterInfo printer = commandLine.m_nShellCommand == CCommandLineInfo::FilePrintTo
                                     ? QPrinterInfo::printerInfo(commandLine.m_strPrinterName)
                                     : QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        if (commandLine.m_nShellCommand == CCommandLineInfo::FilePrintTo)
            ReportFailure(
                QStringLiteral("there is no printer named %1").arg(commandLine.m_strPrinterName));
        else
            ReportFailure(QStringLiteral("no default printer is available"));
        return false;
    }
    if (!OpenForUnattendedRun(commandLine.m_strFileName))
        return false;
    Printer().setPrinterName(printer.printerName());
    if (m_pView->OnFilePrintDirect())
        return true;
    ReportFailure(QStringLiteral("printing %1 on %2 failed")
                      .arg(commandLine.m_strFileName, printer.printerName()));
    return false;
}

bool CZelApp::ExportFromCommandLine(const CCommandLineInfo& commandLine) {
    if (!OpenForUnattendedRun(commandLine.m_strFileName))
        return false;
    if (commandLine.m_nDay != 0 && !m_pView->SelectPrintDay(commandLine.m_nDay)) {
        ReportFailure(
            QStringLiteral("day %1 is not a day of the roster's month").arg(commandLine.m_nDay));
        return false;
    }
    if (m_pView->ExportPdf(commandLine.m_strOutputName, commandLine.m_nPrintMode))
        return true;
    ReportFailure(QStringLiteral("cannot write %1").arg(commandLine.m_strOutputName));
    return false;
}

bool CZelApp::OpenForUnattendedRun(const QString& path) {
    if (!LoadDocument(path)) {
        ReportFailure(QStringLiteral("cannot open %1").arg(path));
        return false;
    }
    // The view takes the roster's month and its first weekday from the message the load posts.
    QCoreApplication::sendPostedEvents(m_pView);
    return true;
}

void CZelApp::ReportFailure(const QString& what) {
    std::fprintf(stderr, "vkt: %s\n", what.toLocal8Bit().constData());
}

void CZelApp::NewDocument() {
    m_doc.OnNewDocument();
    m_pView->OnInitialUpdate();
    UpdateFrameTitle();
}

void CZelApp::OnFileNew() {
    if (SaveModified())
        NewDocument();
}

void CZelApp::OnFileOpen() {
    if (!SaveModified())
        return;
    const QString path = PromptForOpenFileName();
    if (!path.isEmpty())
        LoadDocument(path);
}

bool CZelApp::OpenDocumentFile(const QString& path) {
    return SaveModified() && LoadDocument(path);
}

void CZelApp::OpenDroppedFile(const QString& path) {
    m_pMainWnd->activateWindow();
    OpenDocumentFile(path);
}

bool CZelApp::LoadDocument(const QString& path) {
    if (!m_doc.OnOpenDocument(LocalPath(path)))
        return false;
    AddToRecentFileList(path);
    m_pView->OnInitialUpdate();
    UpdateFrameTitle();
    return true;
}

void CZelApp::OnOpenRecentFile(int index) {
    if (index >= m_recentFiles.Files().size() || !SaveModified())
        return;
    if (!LoadDocument(m_recentFiles.Files()[index])) {
        // As with any list of recent files: an entry that no longer opens is dropped.
        m_recentFiles.Remove(index);
        QSettings profile = Profile();
        m_recentFiles.WriteList(profile);
        m_pMainWnd->SetRecentFiles(m_recentFiles.Files());
    }
}

bool CZelApp::OnFileSave() {
    if (m_doc.GetPathName().empty())
        return OnFileSaveAs();
    return DoSave(QFile::decodeName(m_doc.GetPathName().c_str()));
}

bool CZelApp::OnFileSaveAs() {
    QString path = PromptForSaveFileName(DocumentTitle());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += DocumentStringField(4);
    return DoSave(path);
}

bool CZelApp::DoSave(const QString& path) {
    m_pView->CommitPendingInput();
    if (!m_doc.OnSaveDocument(LocalPath(path)))
        return false;
    AddToRecentFileList(path);
    UpdateFrameTitle();
    return true;
}

bool CZelApp::SaveModified() {
    m_pView->CommitPendingInput();
    if (!m_doc.IsModified())
        return true;
    const QString question = QStringLiteral("%1 への変更を保存しますか?").arg(DocumentTitle());
    switch (VktMessageBox(QtToSjis(question), MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES:
        return OnFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

void CZelApp::OnAppAbout() {
    CAboutDlg about(m_pMainWnd.get());
    about.exec();
}

void CZelApp::OnFilePrintSetup() {
    QPrintDialog dialog(&Printer(), m_pMainWnd.get());
    dialog.setWindowTitle(LoadQString(ID_FILE_PRINT_SETUP).section(QLatin1Char('\n'), 1, 1));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    dialog.exec();
}

QString CZelApp::PromptForOpenFileName() {
    return QFileDialog::getOpenFileName(m_pMainWnd.get(), QStringLiteral("開く"), QString(),
                                        DocumentStringField(3), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString CZelApp::PromptForSaveFileName(const QString& suggestedName) {
    return QFileDialog::getSaveFileName(m_pMainWnd.get(), QStringLiteral("名前を付けて保存"),
                                        suggestedName, DocumentStringField(3), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void CZelApp::AddToRecentFileList(const QString& path) {
    m_recentFiles.Add(path);
    QSettings profile = Profile();
    m_recentFiles.WriteList(profile);
    m_pMainWnd->SetRecentFiles(m_recentFiles.Files());
}

QString CZelApp::DocumentTitle() const {
    const std::string title = m_doc.GetTitle();
    return title.empty() ? QStringLiteral("無題") : QFile::decodeName(title.c_str());
}

void CZelApp::UpdateFrameTitle() {
    m_pMainWnd->SetDocumentTitle(DocumentTitle());
    // The print job's name in the spooler.
    Printer().setDocName(DocumentTitle());
}

bool CZelApp::OnCommand(UINT id) {
    switch (id) {
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_FILE_SAVE:
        OnFileSave();
        return true;
    case ID_FILE_SAVE_AS:
        OnFileSaveAs();
        return true;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        return true;
    case ID_APP_ABOUT:
        OnAppAbout();
        return true;
    default:
        if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount) {
            OnOpenRecentFile(static_cast<int>(id - ID_FILE_MRU_FILE1));
            return true;
        }
        return false;
    }
}

bool CZelApp::OnUpdateCommand(UINT id, CCmdUI&) {
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_ABOUT:
        return true;
    default:
        return id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFileCount;
    }
}
