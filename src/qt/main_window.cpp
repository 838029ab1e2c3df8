// SPDX-License-Identifier: MIT

#include "qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QShortcut>
#include <QUrl>

#include "app/about_text.h"
#include "app/check_panel.h"
#include "core/report/report_texts.h"
#include "qt/check_panel.h"
#include "qt/file_reading.h"
#include "qt/form1.h"
#include "qt/project_data_dialog.h"
#include "qt/qt_text.h"
#include "qt/report_document.h"
#include "qt/report_pdf.h"

namespace pali {

namespace {

const QString kFilter = Text(kProjectTypeName) + QStringLiteral(" (*.") + Text(kProjectExtension) + QStringLiteral(")");
const QString kRecentKey = QStringLiteral("fileRecenti");
const QString kCheckPanelKey = QStringLiteral("pannelloVerifica");

// The form at the corner of the client area, where its controls' twips are
// measured from, and the panel of the design check beside its rightmost
// control, as tall as the window.
class FormAndPanel : public QWidget {
    Q_OBJECT

public:
    FormAndPanel(QWidget* form, QWidget* panel, QWidget* parent) : QWidget(parent), form_(form), panel_(panel)
    {
        form_->setParent(this);
        panel_->setParent(this);
    }

    // The panel shown or hidden: the form takes the window's width or leaves
    // the panel its part.
    void placeChildren()
    {
        const int formWidth = panel_->isVisible() ? std::min(width(), Pixels(kFormExtentTwips)) : width();
        form_->setGeometry(0, 0, formWidth, height());
        panel_->setGeometry(formWidth, 0, width() - formWidth, height());
    }

protected:
    void resizeEvent(QResizeEvent*) override { placeChildren(); }

private:
    QWidget* form_;
    QWidget* panel_;
};

std::vector<std::string> StoredRecentFiles()
{
    std::vector<std::string> paths;
    for (const QString& path : QSettings().value(kRecentKey).toStringList()) {
        paths.push_back(path.toStdString());
    }
    return paths;
}

SaveAnswer AskWithMessageBox(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Warning, QString(kTitle.data()), question, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("&Salva"), QMessageBox::AcceptRole);
    QPushButton* doNotSave = box.addButton(QStringLiteral("&Non salvare"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("&Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save) {
        return SaveAnswer::Save;
    }
    return box.clickedButton() == doNotSave ? SaveAnswer::DoNotSave : SaveAnswer::Cancel;
}

// Qt's static save dialog adds no extension to a name typed without one; the
// dialog object does.
std::optional<QString> AskSavePathWithDialog(QWidget* parent, const QString& start)
{
    QFileDialog dialog(parent, QStringLiteral("Salva con nome"), start, kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(Text(kProjectExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

// The report's formats, PDF first; the name's ending follows the type chosen.
std::optional<QString> AskExportPathWithDialog(QWidget* parent, const QString& start)
{
    QStringList filters;
    for (const doc::ReportFileType& type : doc::kReportFileTypes) {
        filters.push_back(QStringLiteral("%1 (*%2)").arg(Text(type.name), Text(type.extension)));
    }
    QFileDialog dialog(parent, Text(kExportDialogTitle), start, filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(Text(doc::kReportFileTypes.front().extension.substr(1)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        // A filter the dialog did not list leaves the ending as it was.
        if (const qsizetype chosen = filters.indexOf(filter); chosen >= 0) {
            dialog.setDefaultSuffix(Text(doc::kReportFileTypes[static_cast<std::size_t>(chosen)].extension.substr(1)));
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      form_(new Form1(this)),
      panel_(new CheckPanel),
      presenter_(form_->logic(), *panel_),
      session_(form_->logic(), presenter_, *this, StoredRecentFiles()),
      question_(AskWithMessageBox),
      saveDialog_(AskSavePathWithDialog),
      exportDialog_(AskExportPathWithDialog)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(Text(DocumentTitle({}, {})));
    buildCheckPanel(form_);
    buildMenus();
    // The form's controls stand where the end-to-end tests click them: the
    // menu bar in the window's face and at a height of its own.
    menuBar()->setFont(form_->font());
    menuBar()->setFixedHeight(Pixels(kMenuBarTwips));
    setAcceptDrops(true);
    // The restored window shows the form's restored client area below the menu bar.
    resize(form_->size() + QSize(0, menuBar()->height()));
    setWindowState(Qt::WindowMaximized);
    connect(form_, &Form1::edited, this, [this] { session_.refresh(); });
    presenter_.projectChanged();
}

void MainWindow::buildCheckPanel(QWidget* beside)
{
    setCentralWidget(new FormAndPanel(beside, panel_, this));
    connect(panel_, &CheckPanel::verticalsEdited, this,
            [this](const QString& text) { session_.verticalsTyped(text.toStdString()); });
    connect(panel_, &CheckPanel::useNq, this, [this] { presenter_.useNq(); });
    auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(f6, &QShortcut::activated, this, &MainWindow::moveFocusBetweenFormAndPanel);
}

void MainWindow::showCheckPanel(bool shown)
{
    panel_->setVisible(shown);
    QSettings().setValue(kCheckPanelKey, shown);
    static_cast<FormAndPanel*>(centralWidget())->placeChildren();
    presenter_.panelShownChanged();
}

// F6 moves between the panes, as desktop programs do: to the panel's box,
// and back to where the focus was in the form.
void MainWindow::moveFocusBetweenFormAndPanel()
{
    QWidget* focus = QApplication::focusWidget();
    if (panel_->isVisible() && !panel_->isAncestorOf(focus)) {
        formFocus_ = focus;
        panel_->verticalsBox()->setFocus(Qt::OtherFocusReason);
    } else if (formFocus_ && form_->isAncestorOf(formFocus_)) {
        formFocus_->setFocus(Qt::OtherFocusReason);
    } else {
        form_->box(kStartFocus)->setFocus(Qt::OtherFocusReason);
    }
}

template <std::size_t Count>
void MainWindow::addEntries(QMenu* menu, const std::array<MenuEntry, Count>& entries)
{
    for (const MenuEntry& entry : entries) {
        QAction* action =
            menu->addAction(Text(entry.text), this, [this, entry] { RunMenuCommand(entry.command, session_, *this); });
        if (!entry.shortcut.none()) {
            const Qt::KeyboardModifiers modifiers =
                entry.shortcut.shift ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier;
            action->setShortcut(QKeyCombination(modifiers, Qt::Key(entry.shortcut.key)));
        }
    }
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(Text(kFileMenuText));
    addEntries(file, kFileMenuBeforeRecent);
    file->addSeparator();
    recentMenu_ = file->addMenu(QStringLiteral("File &recenti"));
    showRecentFiles();
    file->addSeparator();
    addEntries(file, kFileMenuAfterRecent);
    QMenu* view = menuBar()->addMenu(Text(kViewMenuText));
    panelAction_ = view->addAction(Text(kCheckPanelEntryText));
    panelAction_->setCheckable(true);
    panelAction_->setChecked(QSettings().value(kCheckPanelKey, true).toBool());
    panel_->setVisible(panelAction_->isChecked());
    connect(panelAction_, &QAction::toggled, this, &MainWindow::showCheckPanel);
    addEntries(menuBar()->addMenu(Text(kHelpMenuText)), kHelpMenu);
}

void MainWindow::closeWindow()
{
    close();
}

std::string MainWindow::validationCasesFolder() const
{
    return InstalledDocument(QStringLiteral("casi")).toStdString();
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, Text(kAboutTitle), Text(AboutText()));
}

std::optional<ProjectData> MainWindow::askProjectData(const ProjectData& shown)
{
    return AskProjectData(this, shown);
}

std::string MainWindow::today() const
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

void MainWindow::showRecentFiles()
{
    recentMenu_->clear();
    int number = 0;
    for (const std::string& path : session_.recentFiles()) {
        const QString shown = QStringLiteral("&%1 %2").arg(++number).arg(Text(FileNameOf(path)));
        QAction* action = recentMenu_->addAction(shown, this, [this, path] { session_.openFile(path); });
        action->setToolTip(QDir::toNativeSeparators(Text(path)));
        action->setStatusTip(action->toolTip());
    }
    recentMenu_->setEnabled(number > 0);
}

void MainWindow::showInstalledDocument(std::string_view fileName)
{
    const QString path = InstalledDocument(Text(fileName));
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        showMessage("Impossibile aprire il documento installato:\n" + QDir::toNativeSeparators(path).toStdString());
    }
}

// The print dialog first: the engineer picks the printer, the copies or a PDF
// file, and only then is the same report as STAMPA's composed and printed.
void MainWindow::printWithDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const auto lines = form_->logic().composeReport();
    session_.refresh();
    if (lines && !ReportDocument(*lines).PrintTo(printer)) {
        showMessage(PrinterFailedMessage(printer.printerName().toStdString()));
    }
}

void MainWindow::openFile(const QString& path)
{
    session_.openFile(QFileInfo(path).absoluteFilePath().toStdString());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (session_.mayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.constFirst().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    openFile(event->mimeData()->urls().constFirst().toLocalFile());
}

SaveAnswer MainWindow::askToSaveChanges(const std::string& question)
{
    return question_(this, Text(question));
}

std::optional<std::string> MainWindow::askPathToSave(const std::string& suggestedPath)
{
    const auto path = saveDialog_(this, Text(suggestedPath));
    return path ? std::optional(path->toStdString()) : std::nullopt;
}

std::optional<std::string> MainWindow::askPathToExport(const std::string& suggestedPath)
{
    const auto path = exportDialog_(this, Text(suggestedPath));
    return path ? std::optional(path->toStdString()) : std::nullopt;
}

doc::ReportFiles& MainWindow::reportFiles()
{
    return reportFiles_;
}

void MainWindow::printReport(const doc::Document& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdString(report.footer));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && !PaintReport(report, printer)) {
        showMessage(PrinterFailedMessage(printer.printerName().toStdString()));
    }
}

bool MainWindow::askYesOrNo(const std::string& question)
{
    return QMessageBox::question(this, Text(kTitle), Text(question)) == QMessageBox::Yes;
}

std::optional<std::string> MainWindow::askPathToOpen(const std::string& folder)
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Apri"), Text(folder), kFilter);
    return path.isEmpty() ? std::nullopt : std::optional(path.toStdString());
}

FileReading MainWindow::readFile(const std::string& path, std::size_t limit)
{
    return ReadFileWithQt(path, limit);
}

std::optional<std::string> MainWindow::writeFile(const std::string& path, const std::string& bytes)
{
    return WriteFileWithQt(path, bytes);
}

void MainWindow::showMessage(const std::string& message)
{
    form_->presentMessage(Text(message));
}

void MainWindow::showTitle(const std::string& work, const std::string& fileName, bool modified)
{
    // Without a file the title has no place for the mark.
    setWindowTitle(Text(DocumentTitle(work, fileName.empty() ? fileName : fileName + "[*]")));
    setWindowModified(modified && !fileName.empty());
}

void MainWindow::storeRecentFiles(const std::vector<std::string>& paths)
{
    QStringList list;
    for (const std::string& path : paths) {
        list.append(Text(path));
    }
    QSettings().setValue(kRecentKey, list);
    showRecentFiles();
}

}  // namespace pali

#include "main_window.moc"
