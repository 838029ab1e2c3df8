// SPDX-License-Identifier: MIT

#include "qt/form1.h"

#include <limits>

#include <QButtonGroup>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#include "qt/caption_widgets.h"
#include "qt/enter_navigation.h"
#include "qt/qt_text.h"
#include "qt/report_delivery.h"

namespace pali {

namespace {

// Liberation Sans, which the package depends on, has Arial's widths, for
// which the sizes of the control table are chosen.
QFont FontOf(const FontStyle& design)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

QRect PixelRect(const ControlDesign& design)
{
    return {Pixels(design.left), Pixels(design.top), Pixels(design.width), Pixels(design.height)};
}

QLineEdit* CreateBox(Box box, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    // A box keeps whatever is typed or pasted, however long; the line edit
    // would otherwise cut it at 32 767 characters.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setAccessibleName(Text(BoxCaption(box)));
    return edit;
}

QPushButton* CreateButton(const ControlDesign& design, QWidget* parent)
{
    auto* button = new CaptionButton(Text(design.caption), parent);
    // Enter presses a button that has the focus; there is no default button.
    button->setAutoDefault(true);
    button->setAccessibleName(Text(design.caption));
    return button;
}

QRadioButton* CreateOption(const ControlDesign& design, QWidget* parent)
{
    auto* option = new CaptionOption(Text(design.caption), parent);
    option->setAccessibleName(Text(design.caption));
    return option;
}

// The text can be selected and copied: a message may name a file's path.
void ShowErrorMessage(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, parent->windowTitle(), message, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      combinations_(new QButtonGroup(this)),
      enterNavigation_(new EnterNavigation(this)),
      logic_(*this),
      presentMessage_(ShowErrorMessage),
      deliverReport_(DeliverReport)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Text(kTitle));
    setFont(FontOf(kPlain));
    resize(Pixels(kRestoredWidthTwips), Pixels(kRestoredHeightTwips));
    Controls controls{};
    for (std::size_t row = 0; row < kControlCount; ++row) {
        controls[row] = createControl(row);
    }
    combinations_->button(kStartCombination)->setChecked(true);
    orderTabs(controls);
    wireEnterNavigation(controls);
    wireButtons();
    wireEdits();
    setWindowState(Qt::WindowMaximized);
    box(kStartFocus)->setFocus();
}

QWidget* Form1::createControl(std::size_t row)
{
    const ControlDesign& design = kForm1Controls[row];
    const std::size_t number = kNumberInKind[row];
    QWidget* control = nullptr;
    switch (design.kind) {
    case ControlKind::TextBox: control = boxes_[number] = CreateBox(kAllBoxes[number], this); break;
    case ControlKind::CommandButton: control = buttons_[number] = CreateButton(design, this); break;
    case ControlKind::OptionButton: {
        QRadioButton* option = CreateOption(design, this);
        combinations_->addButton(option, static_cast<int>(number));
        control = option;
        break;
    }
    case ControlKind::Label: control = new CaptionLabel(Text(design.caption), this); break;
    }
    control->setObjectName(Text(design.name));
    control->setGeometry(PixelRect(design));
    if (design.font != kPlain) {
        control->setFont(FontOf(design.font));
    }
    return control;
}

void Form1::orderTabs(const Controls& controls)
{
    for (std::size_t step = 1; step < kTabOrder.size(); ++step) {
        setTabOrder(controls[kTabOrder[step - 1]], controls[kTabOrder[step]]);
    }
}

void Form1::wireEnterNavigation(const Controls& controls)
{
    for (const BoxDesign& design : kForm1Boxes) {
        if (design.enterTo.named()) {
            enterNavigation_->addStep(box(design.box), controls[design.enterTo.row]);
        }
    }
}

void Form1::wireButtons()
{
    for (std::size_t number = 0; number < kButtonCount; ++number) {
        const auto pressed = static_cast<Button>(number);
        connect(buttons_[number], &QPushButton::clicked, this, [this, pressed] {
            logic_.press(pressed);
            emit edited();
        });
    }
}

void Form1::wireEdits()
{
    for (QLineEdit* each : boxes_) {
        connect(each, &QLineEdit::textChanged, this, &Form1::edited);
    }
    connect(combinations_, &QButtonGroup::idToggled, this, &Form1::edited);
}

void Form1::setMessagePresenter(MessagePresenter presenter)
{
    presentMessage_ = std::move(presenter);
}

void Form1::setReportDelivery(ReportDelivery delivery)
{
    deliverReport_ = std::move(delivery);
}

std::string Form1::boxText(Box box) const
{
    return this->box(box)->text().toStdString();
}

void Form1::setBoxText(Box box, const std::string& text)
{
    this->box(box)->setText(QString::fromStdString(text));
}

int Form1::selectedCombination() const
{
    return combinations_->checkedId();
}

void Form1::selectCombination(int index)
{
    combinations_->button(index)->setChecked(true);
}

void Form1::focusBox(Box box)
{
    this->box(box)->setFocus(Qt::OtherFocusReason);
}

// The conversions follow the user's decimal separator as it is at the click.
NumberFormat Form1::numberFormat() const
{
    return UsersNumberFormat();
}

void Form1::showError(const std::string& message)
{
    presentMessage_(this, QString::fromStdString(message));
}

void Form1::deliverReport(const std::vector<PrintedLine>& lines)
{
    deliverReport_(lines, this);
}

// FINE closes the window as its title bar's close does, so that whatever
// holds the window may first ask about unsaved work.
void Form1::quit()
{
    window()->close();
}

}  // namespace pali
