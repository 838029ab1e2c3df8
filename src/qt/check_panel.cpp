// SPDX-License-Identifier: MIT

#include "qt/check_panel.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/design_check_texts.h"
#include "core/calc/design_combinations.h"
#include "qt/qt_text.h"

namespace pali {

namespace {

QLabel* ReadOut(const QString& accessibleName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAccessibleName(accessibleName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QRect QtRect(const PixelRect& rect)
{
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

}  // namespace

ProfileView::ProfileView(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(220);
    setAccessibleName(Text(kProfileName));
}

void ProfileView::setProfile(SoilProfile profile)
{
    profile_ = std::move(profile);
    update();
}

void ProfileView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int line = painter.fontMetrics().height();
    const QRect area = rect().adjusted(line, line, -line, -line);
    const ProfileDrawing drawing =
        DrawingOf(profile_, {area.left(), area.top(), area.right() + 1, area.bottom() + 1}, line);
    painter.drawLine(area.left(), drawing.groundY, area.right(), drawing.groundY);
    painter.drawText(area.left(), drawing.groundY - 2, Text(kGroundCaption));
    const QColor bands[] = {QColor(0xEE, 0xE0, 0xC0), QColor(0xD8, 0xC8, 0xA0)};
    for (std::size_t index = 0; index < drawing.bands.size(); ++index) {
        const QRect band = QtRect(drawing.bands[index].rect);
        const SoilProfile::Layer& layer = profile_.layers[index];
        painter.fillRect(band, bands[layer.number % 2]);
        painter.drawLine(band.bottomLeft(), band.bottomRight());
        painter.drawText(band.adjusted(drawing.labelsLeft - band.left(), 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         Text(layer.label));
        painter.drawText(band.adjusted(0, 0, -2, 0), Qt::AlignBottom | Qt::AlignRight, Text(layer.depthText));
    }
    if (drawing.pile) {
        painter.fillRect(QtRect(*drawing.pile), Qt::darkGray);
        painter.drawText(drawing.labelsLeft, drawing.pile->bottom, Text(profile_.tipText));
    }
}

CheckPanel::CheckPanel(QWidget* parent)
    : QWidget(parent),
      verticals_(new QLineEdit(this)),
      factors_(ReadOut(Text(kFactorsName), this)),
      nq_(ReadOut(Text(kNqFromTableName), this)),
      use_(new QPushButton(Text(kUseNqCaption), this)),
      profile_(new ProfileView(this)),
      approach1_(ReadOut(Text(ReadOutName(kVerdictFigure, kApproach1Name)), this)),
      approach2_(ReadOut(Text(ReadOutName(kVerdictFigure, kApproach2Name)), this)),
      warnings_(ReadOut(Text(kWarningsName), this))
{
    setObjectName(QStringLiteral("CheckPanel"));
    verticals_->setObjectName(QStringLiteral("verticali"));
    verticals_->setAccessibleName(Text(kVerticalsCaption));
    verticals_->setMaximumWidth(60);
    use_->setAccessibleName(Text(kUseNqName));
    warnings_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption(Text(kCheckPanelTitle), this));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Text(kVerticalsCaption), this), 0, 0, 1, 3);
    grid->addWidget(verticals_, 1, 0);
    grid->addWidget(factors_, 1, 1, 1, 2);
    grid->addWidget(new QLabel(Text(kNqFromTableCaption), this), 2, 0);
    grid->addWidget(nq_, 2, 1);
    grid->addWidget(use_, 2, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addWidget(profile_, 1);

    auto* table = new QGridLayout;
    for (std::size_t column = 0; column < kCombinationHeadings.size(); ++column) {
        table->addWidget(Caption(Text(kCombinationHeadings[column]), this), 0, static_cast<int>(column));
    }
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        const std::string_view name = kDesignCombinations[index].name;
        const int row = static_cast<int>(index) + 1;
        table->addWidget(new QLabel(Text(name), this), row, 0);
        const auto named = [&](std::size_t figure) {
            return ReadOut(Text(ReadOutName(kCombinationFigures[figure], name)), this);
        };
        rows_[index] = {named(0), named(1), named(2), named(3)};
        table->addWidget(rows_[index].ed, row, 1, Qt::AlignRight);
        table->addWidget(rows_[index].rd, row, 2, Qt::AlignRight);
        table->addWidget(rows_[index].ratio, row, 3, Qt::AlignRight);
        table->addWidget(rows_[index].outcome, row, 4);
    }
    layout->addLayout(table);
    layout->addWidget(approach1_);
    layout->addWidget(approach2_);
    layout->addWidget(warnings_);

    connect(verticals_, &QLineEdit::textEdited, this, &CheckPanel::verticalsEdited);
    connect(use_, &QPushButton::clicked, this, [this] { emit useNq(nqToUse_); });
}

void CheckPanel::show(const CheckPanelTexts& texts, SoilProfile profile)
{
    factors_->setText(Text(texts.factors));
    nq_->setText(Text(texts.nq));
    nqToUse_ = texts.nqToUse ? Text(*texts.nqToUse) : QString();
    use_->setEnabled(texts.nqToUse.has_value());
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        rows_[index].ed->setText(Text(texts.rows[index].ed));
        rows_[index].rd->setText(Text(texts.rows[index].rd));
        rows_[index].ratio->setText(Text(texts.rows[index].ratio));
        rows_[index].outcome->setText(Text(texts.rows[index].outcome));
    }
    approach1_->setText(Text(texts.approach1));
    approach2_->setText(Text(texts.approach2));
    QStringList warnings;
    for (const std::string& warning : texts.warnings) {
        warnings << Text(warning);
    }
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    profile_->setProfile(std::move(profile));
}

}  // namespace pali
