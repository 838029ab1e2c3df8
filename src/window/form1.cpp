#include "window/form1.h"

#include <algorithm>
#include <limits>
#include <map>

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#include "report/recording_printer.h"
#include "report/report_delivery.h"
#include "report/report_sequence.h"
#include "window/caption_widgets.h"
#include "window/enter_navigation.h"
#include "window/error_message.h"
#include "window/form1_boxes.h"
#include "window/twips.h"

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

QWidget* CreateButton(const ControlDesign& design, QWidget* parent)
{
    auto* button = new CaptionButton(Text(design.caption), parent);
    // Enter presses a button that has the focus; there is no default button.
    button->setAutoDefault(true);
    button->setAccessibleName(Text(design.caption));
    return button;
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
    for (const ControlDesign& design : kForm1Controls) {
        createControl(design);
    }
    combinations_->button(0)->setChecked(true);
    orderTabs();
    wireEnterNavigation();
    wireButtons();
    setWindowState(Qt::WindowMaximized);
    box(Box::A)->setFocus();
}

void Form1::createControl(const ControlDesign& design)
{
    QWidget* control = nullptr;
    switch (design.kind) {
    case ControlKind::TextBox: {
        const BoxDesign* boxDesign = BoxDesignNamed(design.name);
        auto* edit = new QLineEdit(this);
        // A box keeps whatever is typed or pasted, however long; the line
        // edit would otherwise cut it at 32 767 characters.
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->setAccessibleName(Text(BoxCaption(boxDesign->box)));
        boxes_[static_cast<std::size_t>(boxDesign->box)] = edit;
        control = edit;
        break;
    }
    case ControlKind::CommandButton:
        control = CreateButton(design, this);
        break;
    case ControlKind::OptionButton: {
        auto* option = new CaptionOption(Text(design.caption), this);
        option->setAccessibleName(Text(design.caption));
        combinations_->addButton(option, static_cast<int>(combinations_->buttons().size()));
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
}

void Form1::orderTabs()
{
    std::map<int, QWidget*> byTab;
    for (const ControlDesign& design : kForm1Controls) {
        if (design.kind != ControlKind::Label) {
            byTab.emplace(design.tab, findChild<QWidget*>(Text(design.name)));
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

void Form1::wireEnterNavigation()
{
    for (const BoxDesign& design : kForm1Boxes) {
        if (!design.enterTo.empty()) {
            enterNavigation_->addStep(box(design.box), findChild<QWidget*>(Text(design.enterTo)));
        }
    }
}

void Form1::wireButtons()
{
    const auto clicked = [this](std::string_view name) {
        return findChild<QPushButton*>(Text(name));
    };
    for (const ButtonHandler& handler : kBoxAndStateButtons) {
        connect(clicked(handler.button), &QPushButton::clicked, this,
                [this, run = handler.run] { dispatch(run); });
    }
    connect(clicked("Command4"), &QPushButton::clicked, this, &Form1::printReport);
    connect(clicked("Command5"), &QPushButton::clicked, qApp, &QCoreApplication::quit);
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
