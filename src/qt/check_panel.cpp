// SPDX-License-Identifier: MIT

#include "qt/check_panel.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

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

}  // namespace

ProfileView::ProfileView(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(220);
    setAccessibleName(QStringLiteral("Profilo del terreno"));
}

void ProfileView::setProfile(SoilProfile profile)
{
    profile_ = std::move(profile);
    update();
}

// Depths to scale downwards from the ground line; the pile's bar at least a
// few pixels wide, so that a thin pile still shows.
void ProfileView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const QRect area = rect().adjusted(line, line, -line, -line);
    painter.drawLine(area.left(), area.top(), area.right(), area.top());
    painter.drawText(area.left(), area.top() - 2, QStringLiteral("piano campagna"));
    if (!(profile_.depth > 0.0)) {
        return;
    }
    const double pixelsPerMetre = area.height() / profile_.depth;
    const auto y = [&](double depth) { return area.top() + static_cast<int>(depth * pixelsPerMetre); };
    const int pileX = area.left() + area.width() / 6;
    const QColor bands[] = {QColor(0xEE, 0xE0, 0xC0), QColor(0xD8, 0xC8, 0xA0)};
    for (const SoilProfile::Layer& layer : profile_.layers) {
        const QRect band(area.left(), y(layer.top), area.width(), std::max(1, y(layer.bottom) - y(layer.top)));
        painter.fillRect(band, bands[layer.number % 2]);
        painter.drawLine(band.bottomLeft(), band.bottomRight());
        painter.drawText(band.adjusted(pileX - area.left() + 2 * line, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         Text(layer.label));
        painter.drawText(band.adjusted(0, 0, -2, 0), Qt::AlignBottom | Qt::AlignRight, Text(layer.depthText));
    }
    if (profile_.pileLength && *profile_.pileLength > 0.0) {
        const double diameterPixels = profile_.pileDiameter.value_or(0.0) * pixelsPerMetre;
        const int width = std::clamp(static_cast<int>(diameterPixels), 6, area.width() / 8);
        const int tip = std::min(y(*profile_.pileLength), area.bottom());
        painter.fillRect(QRect(pileX - width / 2, area.top(), width, tip - area.top()), Qt::darkGray);
        painter.drawText(pileX + width, tip, Text(profile_.tipText));
    }
}

CheckPanel::CheckPanel(QWidget* parent)
    : QWidget(parent),
      verticals_(new QLineEdit(this)),
      factors_(ReadOut(QStringLiteral("Fattori di correlazione"), this)),
      nq_(ReadOut(QStringLiteral("Nq dalla tabella"), this)),
      use_(new QPushButton(QStringLiteral("USA"), this)),
      profile_(new ProfileView(this)),
      approach1_(ReadOut(QStringLiteral("Esito NTC 2008, Approccio 1"), this)),
      approach2_(ReadOut(QStringLiteral("Esito NTC 2008, Approccio 2 e NTC 2018"), this)),
      warnings_(ReadOut(QStringLiteral("Avvisi"), this))
{
    setObjectName(QStringLiteral("CheckPanel"));
    verticals_->setObjectName(QStringLiteral("verticali"));
    verticals_->setAccessibleName(QStringLiteral("NUMERO DI VERTICALI INDAGATE"));
    verticals_->setMaximumWidth(60);
    use_->setAccessibleName(QStringLiteral("Usa Nq dalla tabella"));
    warnings_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption(QStringLiteral("VERIFICA"), this));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("NUMERO DI VERTICALI INDAGATE"), this), 0, 0, 1, 3);
    grid->addWidget(verticals_, 1, 0);
    grid->addWidget(factors_, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Nq DALLA TABELLA"), this), 2, 0);
    grid->addWidget(nq_, 2, 1);
    grid->addWidget(use_, 2, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addWidget(profile_, 1);

    auto* table = new QGridLayout;
    const char* headings[] = {"COMBINAZIONE", "Ed (t)", "Rd (t)", "Rd/Ed", "ESITO"};
    for (int column = 0; column < 5; ++column) {
        table->addWidget(Caption(QString::fromLatin1(headings[column]), this), 0, column);
    }
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        const QString name = Text(kDesignCombinations[index].name);
        const int row = static_cast<int>(index) + 1;
        table->addWidget(new QLabel(name, this), row, 0);
        rows_[index] = {ReadOut(QStringLiteral("Ed ") + name, this), ReadOut(QStringLiteral("Rd ") + name, this),
                        ReadOut(QStringLiteral("Rd/Ed ") + name, this), ReadOut(QStringLiteral("Esito ") + name, this)};
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
