#include "window/form1.h"

#include <limits>
#include <map>

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#include "calc/bearing_capacity.h"
#include "calc/slenderness.h"
#include "report/recording_printer.h"
#include "report/report_delivery.h"
#include "report/report_sequence.h"
#include "window/caption_widgets.h"
#include "window/enter_navigation.h"
#include "window/error_message.h"
#include "window/layer_entry.h"

namespace pali {

namespace {

const char* const kTitle = "PORTANZA DEI PALI PER TERRENI INCOERENTI   BEREZANTZEV(TESK-ORBEL)";

// The restored window shows 7650 x 5820 twips of its client area.
constexpr int kRestoredWidthTwips = 7650;
constexpr int kRestoredHeightTwips = 5820;

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont FontOf(const FontStyle& design)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

QRect PixelRect(const ControlDesign& design)
{
    return {Pixels(design.left), Pixels(design.top), Pixels(design.width), Pixels(design.height)};
}

// The conversions follow the user's decimal separator as it is at the click.
NumberFormat CurrentNumberFormat()
{
    return {QLocale().decimalPoint().toStdString()};
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

void ShowErrorMessage(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, parent->windowTitle(), message);
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      combinations_(new QButtonGroup(this)),
      enterNavigation_(new EnterNavigation(this)),
      presentMessage_(ShowErrorMessage),
      deliverReport_(DeliverReport)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setFont(FontOf(kPlain));
    resize(Pixels(kRestoredWidthTwips), Pixels(kRestoredHeightTwips));
    Controls controls{};
    for (std::size_t row = 0; row < kControlCount; ++row) {
        controls[row] = createControl(row);
    }
    combinations_->button(0)->setChecked(true);
    orderTabs(controls);
    wireEnterNavigation(controls);
    wireButtons();
    setWindowState(Qt::WindowMaximized);
    box(Box::A)->setFocus();
}

QWidget* Form1::createControl(std::size_t row)
{
    const ControlDesign& design = kForm1Controls[row];
    const std::size_t number = kNumberInKind[row];
    QWidget* control = nullptr;
    switch (design.kind) {
    case ControlKind::TextBox:
        control = boxes_[number] = CreateBox(kAllBoxes[number], this);
        break;
    case ControlKind::CommandButton:
        control = buttons_[number] = CreateButton(design, this);
        break;
    case ControlKind::OptionButton: {
        QRadioButton* option = CreateOption(design, this);
        combinations_->addButton(option, static_cast<int>(number));
        control = option;
        break;
    }
    case ControlKind::Label:
        control = new CaptionLabel(Text(design.caption), this);
        break;
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
    std::map<int, QWidget*> byTab;
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (kForm1Controls[row].kind != ControlKind::Label) {
            byTab.emplace(kForm1Controls[row].tab, controls[row]);
        }
    }
    QWidget* previous = nullptr;
    for (const auto& [tab, control] : byTab) {
        if (previous) {
            setTabOrder(previous, control);
        }
        previous = control;
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
    connect(button(Button::Command6), &QPushButton::clicked, this,
            [this] { dispatch(ShowNextLayer); });
    connect(button(Button::Command1), &QPushButton::clicked, this,
            [this] { dispatch(StoreLayer); });
    connect(button(Button::Command2), &QPushButton::clicked, this,
            [this] { dispatch(ComputeSlenderness); });
    connect(button(Button::Command3), &QPushButton::clicked, this,
            [this] { dispatch(ComputeBearingCapacity); });
    connect(button(Button::Command4), &QPushButton::clicked, this, &Form1::printReport);
    connect(button(Button::Command5), &QPushButton::clicked, qApp, &QCoreApplication::quit);
}

void Form1::setMessagePresenter(MessagePresenter presenter)
{
    presentMessage_ = std::move(presenter);
}

void Form1::setReportDelivery(ReportDelivery delivery)
{
    deliverReport_ = std::move(delivery);
}

FormContents Form1::contents() const
{
    FormContents form;
    for (Box each : kAllBoxes) {
        form[each] = box(each)->text().toStdString();
    }
    form.selectedCombination = combinations_->checkedId();
    return form;
}

bool Form1::dispatch(const ClickHandler& handler)
{
    const FormContents before = contents();
    FormContents after = before;
    ProjectState state = state_;
    try {
        handler(after, state, CurrentNumberFormat());
    } catch (const RunTimeError& error) {
        reportFailure(error);
        return false;
    }
    showContents(before, after);
    state_ = std::move(state);
    return true;
}

void Form1::showContents(const FormContents& before, const FormContents& after)
{
    for (Box each : kAllBoxes) {
        if (after[each] != before[each]) {
            box(each)->setText(QString::fromStdString(after[each]));
        }
    }
    if (after.selectedCombination != before.selectedCombination) {
        combinations_->button(after.selectedCombination)->setChecked(true);
    }
}

void Form1::reportFailure(const RunTimeError& error)
{
    presentMessage_(this, QString::fromStdString(ErrorMessage(error)));
    if (error.box()) {
        box(*error.box())->setFocus(Qt::OtherFocusReason);
    }
}

void Form1::printReport()
{
    std::vector<PrintedLine> lines;
    const bool composed =
        dispatch([&lines](FormContents& form, ProjectState& state, const NumberFormat& format) {
            RecordingPrinter printer(format);
            ComposeReport(form, state, printer, format);
            lines = printer.lines();
        });
    if (composed) {
        deliverReport_(lines, this);
    }
}

}  // namespace pali
