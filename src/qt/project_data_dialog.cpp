// SPDX-License-Identifier: MIT

#include "qt/project_data_dialog.h"

#include <array>

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/project_menu.h"
#include "qt/qt_text.h"

namespace pali {

std::optional<ProjectData> AskProjectData(QWidget* parent, const ProjectData& shown)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(Text(kProjectDataDialogTitle));
    auto* fields = new QFormLayout;
    std::array<QLineEdit*, kProjectDataFields.size()> boxes{};
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        const ProjectDataField& field = kProjectDataFields[index];
        boxes[index] = new QLineEdit(Text(shown.*field.text), &dialog);
        boxes[index]->setAccessibleName(Text(field.label));
        boxes[index]->setMinimumWidth(boxes[index]->fontMetrics().averageCharWidth() * kProjectDataBoxCharacters);
        fields->addRow(Text(field.label), boxes[index]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Annulla"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    ProjectData confirmed;
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        confirmed.*kProjectDataFields[index].text = boxes[index]->text().toStdString();
    }
    return confirmed;
}

}  // namespace pali
