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
#include "qt/qt_painter.h"
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

}  // namespace

ProfileView::ProfileView(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(220);
    setAccessibleName(Text(kProfileName));
}

void ProfileView::setPicture(const CheckPanelContent& content)
{
    profile_ = content.profile;
    curve_ = content.curve;
    format_ = content.format;
    update();
}

void ProfileView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QtPainter surface(painter, font());
    draw::Paint(CheckPicture(profile_, curve_, width(), height(), EmPixels(font()), surface, format_), surface);
}

CheckPanel::CheckPanel(QWidget* parent)
    : QWidget(parent),
      verticals_(new QLineEdit(this)),
      factors_(ReadOut(Text(kFactorsName), this)),
      nq_(ReadOut(Text(kNqFromTableName), this)),
      use_(new QPushButton(Text(kUseNqCaption), this)),
      profile_(new ProfileView(this)),
      shortestNtc2018_(ReadOut(Text(kShortestNtc2018Caption), this)),
      shortestNtc2008_(ReadOut(Text(kShortestNtc2008Caption), this)),
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
    for (QLabel* length : {shortestNtc2018_, shortestNtc2008_}) {
        length->setWordWrap(true);
        layout->addWidget(length);
    }

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
    connect(use_, &QPushButton::clicked, this, &CheckPanel::useNq);
}

bool CheckPanel::panelShown() const
{
    return !isHidden();
}

void CheckPanel::showCheck(const CheckPanelContent& content)
{
    const CheckPanelTexts& texts = content.texts;
    if (verticals_->text() != Text(content.verticals)) {
        verticals_->setText(Text(content.verticals));
    }
    factors_->setText(Text(texts.factors));
    nq_->setText(Text(texts.nq));
    use_->setEnabled(texts.nqToUse.has_value());
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        rows_[index].ed->setText(Text(texts.rows[index].ed));
        rows_[index].rd->setText(Text(texts.rows[index].rd));
        rows_[index].ratio->setText(Text(texts.rows[index].ratio));
        rows_[index].outcome->setText(Text(texts.rows[index].outcome));
    }
    shortestNtc2018_->setText(Text(texts.shortestNtc2018));
    shortestNtc2008_->setText(Text(texts.shortestNtc2008));
    approach1_->setText(Text(texts.approach1));
    approach2_->setText(Text(texts.approach2));
    QStringList warnings;
    for (const std::string& warning : texts.warnings) {
        warnings << Text(warning);
    }
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    profile_->setPicture(content);
}

}  // namespace pali
