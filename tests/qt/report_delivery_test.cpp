// SPDX-License-Identifier: MIT

#include "qt/report_delivery.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "core/report/worked_example.h"

namespace pali {
namespace {

// Answers the dialogs STAMPA opens, as the engineer would: saves under the
// given path and acknowledges the message that follows.
class DialogAnswerer {
public:
    explicit DialogAnswerer(QString savePath) : savePath_(std::move(savePath))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Answer(); });
        poll_.start(10);
    }

    QString suggestedName;
    QString message;
    bool messageSelectable = false;

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            suggestedName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(savePath_);
            static_cast<QDialog*>(dialog)->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            message = box->text();
            messageSelectable =
                box->textInteractionFlags().testFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            box->accept();
        }
    }

    QString savePath_;
    QTimer poll_;
};

TEST(ReportDelivery, WithoutADefaultPrinterTheReportIsSavedAsPdf)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer; the report would go to it";
    }
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("relazione"));
    DialogAnswerer engineer(path);

    DeliverReport(WorkedExampleReport(), nullptr);

    EXPECT_EQ(engineer.suggestedName, QStringLiteral("Relazione portanza pali.pdf"));
    const QString saved = path + QStringLiteral(".pdf");
    EXPECT_TRUE(QFileInfo(saved).size() > 0);
    EXPECT_TRUE(engineer.message.contains(saved)) << engineer.message.toStdString();
    EXPECT_TRUE(engineer.messageSelectable) << "the path cannot be copied from the message";
}

}  // namespace
}  // namespace pali
