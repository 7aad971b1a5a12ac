#include "PlotDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "MainWindow.h"
#include "db/DbDatabase.h"
#include "dxf/DrawingIo.h"
#include "editor/CommandStack.h"
#include "editor/Console.h"
#include "runtime/DocManager.h"
#include "text/Utf8.h"

namespace window {

namespace {

using namespace platform::view;

const QString kAsSetUp = QStringLiteral("As the layout sets it up");
constexpr int kPreviewWidth = 360, kPreviewHeight = 300;

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.trimmed().toStdString(); }

QComboBox* Choices(const QString& name, const QStringList& items, bool editable = false) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(items);
    box->setEditable(editable);
    return box;
}

}  // namespace

PlotDialog::PlotDialog(AcDbDatabase& database, const std::string& layout, const std::string& file, QWidget* parent)
    : QDialog(parent), m_drawing(std::make_unique<Drawing>(platform::dxf::CurrentDocument(database))) {
    setWindowTitle(QStringLiteral("Plot"));
    setObjectName(QStringLiteral("plotDialog"));
    m_layout = Choices(QStringLiteral("plotLayout"), {});
    for (const Layout& l : m_drawing->Layouts()) m_layout->addItem(Q(l.name));
    if (const Layout* chosen = m_drawing->FindLayout(layout)) m_layout->setCurrentText(Q(chosen->name));
    m_paper = Choices(QStringLiteral("plotPaper"), {kAsSetUp, "A4", "A3", "A2", "A1", "A0", "letter", "tabloid"}, true);
    m_orientation = Choices(QStringLiteral("plotOrientation"), {kAsSetUp, "Portrait", "Landscape"});
    m_scale = Choices(QStringLiteral("plotScale"), {kAsSetUp, "Fit", "1:1", "1:2", "1:5", "1:10", "1:20", "1:50", "1:100", "1:200", "1:500", "1:1000"}, true);
    m_area = Choices(QStringLiteral("plotArea"), {kAsSetUp, "Extents", "Layout", "Window"});
    m_window = new QLineEdit;
    m_window->setObjectName(QStringLiteral("plotWindow"));
    m_window->setPlaceholderText(QStringLiteral("X1,Y1,X2,Y2"));
    m_margins = new QLineEdit;
    m_margins->setObjectName(QStringLiteral("plotMargins"));
    m_margins->setPlaceholderText(QStringLiteral("as set up; mm: all, or top,right,bottom,left"));
    m_file = new QLineEdit(Q(file));
    m_file->setObjectName(QStringLiteral("plotFile"));
    auto* browse = new QPushButton(QStringLiteral("&Browse..."));
    browse->setAutoDefault(false);  // Enter in the file's name plots, it does not browse
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Layout:"), m_layout);
    form->addRow(QStringLiteral("Pap&er:"), m_paper);
    form->addRow(QStringLiteral("&Orientation:"), m_orientation);
    form->addRow(QStringLiteral("&Scale (mm : units):"), m_scale);
    form->addRow(QStringLiteral("&Area:"), m_area);
    form->addRow(QStringLiteral("&Window:"), m_window);
    form->addRow(QStringLiteral("&Margins:"), m_margins);
    auto* fileLabel = new QLabel(QStringLiteral("F&ile (.pdf, .svg, .png):"));
    fileLabel->setBuddy(m_file);
    form->addRow(fileLabel, fileRow);

    m_preview = new QLabel;
    m_preview->setObjectName(QStringLiteral("plotPreview"));
    m_preview->setFixedSize(kPreviewWidth + 16, kPreviewHeight + 16);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setStyleSheet(QStringLiteral("background: #808080"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("plotStatus"));
    m_status->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* plot = buttons->addButton(QStringLiteral("&Plot"), QDialogButtonBox::AcceptRole);
    // Enter plots, wherever the focus is.
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
    plot->setDefault(true);
    auto* columns = new QHBoxLayout;
    columns->addLayout(form, 1);
    columns->addWidget(m_preview);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(columns);
    layoutBox->addWidget(m_status);
    layoutBox->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Plot(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
    for (QComboBox* box : {m_layout, m_paper, m_orientation, m_scale, m_area})
        connect(box, &QComboBox::currentTextChanged, this, [this] { UpdatePreview(); });
    for (QLineEdit* line : {m_window, m_margins}) connect(line, &QLineEdit::editingFinished, this, [this] { UpdatePreview(); });
    UpdatePreview();
}

PlotDialog::~PlotDialog() = default;

bool PlotDialog::Settings(PlotSettings& settings, std::string& error) const {
    settings = {};
    settings.layout = S(m_layout->currentText());
    PaperRequest& request = settings.paper;
    if (const QString paper = m_paper->currentText(); paper != kAsSetUp) {
        request.paper = ParsePaper(S(paper));
        if (!request.paper) return error = "The paper is " + PaperNames() + ".", false;
    }
    if (m_orientation->currentIndex() > 0)
        request.orientation = m_orientation->currentIndex() == 1 ? Orientation::Portrait : Orientation::Landscape;
    if (const QString scale = m_scale->currentText(); scale != kAsSetUp) {
        request.scale = ParseScale(S(scale));
        if (!request.scale) return error = "The scale is millimetres on paper to drawing units (1:50), or Fit.", false;
    }
    if (!S(m_margins->text()).empty()) {
        request.margins = ParseMargins(S(m_margins->text()));
        if (!request.margins) return error = "The margins are millimetres: one for every side, or top,right,bottom,left.", false;
    }
    switch (m_area->currentIndex()) {
        case 1: request.area.kind = AreaKind::Extents; break;
        case 2: request.area.kind = AreaKind::Layout, request.area.layout = settings.layout; break;
        case 3: {
            std::string why;
            const std::optional<PlotArea> area = ParseArea("window " + S(m_window->text()), why);
            if (!area) return error = "The window is two corners: X1,Y1,X2,Y2.", false;
            request.area = *area;
            break;
        }
        default: break;
    }
    return true;
}

void PlotDialog::UpdatePreview() {
    m_window->setEnabled(m_area->currentIndex() == 3);
    PlotSettings settings;
    std::string error;
    if (!Settings(settings, error)) {
        m_status->setText(Q(error));
        return;
    }
    // A first look at a few dots an inch gives the sheet's size, the second fills the preview.
    settings.dpi = 10;
    PlotResult probe;
    PlotImage(*m_drawing, settings, probe);
    if (!probe.ok) {
        m_preview->setPixmap({});
        m_status->setText(Q(probe.error));
        return;
    }
    settings.dpi = std::max(1.0, std::min(kPreviewWidth / (probe.width / 10.0), kPreviewHeight / (probe.height / 10.0)));
    PlotResult result;
    QImage image = PlotImage(*m_drawing, settings, result);
    if (!result.ok) return;
    {
        // The paper's edge, and its margins dashed.
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
        if (result.sheet.onPaper) {
            const double k = settings.dpi / 25.4;
            const Margins& m = result.sheet.margins;
            painter.setPen(QPen(QColor(110, 110, 110), 1, Qt::DashLine));
            painter.drawRect(QRectF(m.left * k, m.top * k, (result.sheet.paper.width - m.left - m.right) * k,
                                    (result.sheet.paper.height - m.top - m.bottom) * k));
        }
    }
    m_preview->setPixmap(QPixmap::fromImage(image));
    m_status->setText(result.sheet.onPaper ? Q(result.sheet.Describe()) : QStringLiteral("A sheet of %1 x %2 pixels").arg(result.width).arg(result.height));
}

void PlotDialog::Browse() {
    const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Plot to"), m_file->text(),
                                                      QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)"));
    if (!name.isEmpty()) m_file->setText(name);
}

void PlotDialog::Plot() {
    PlotSettings settings;
    std::string error;
    if (!Settings(settings, error)) {
        m_status->setText(Q(error));
        return;
    }
    const std::string path = S(m_file->text());
    if (!IsPlotFileName(path)) {
        m_status->setText(Q(NotAPlotFileName(path)));
        return;
    }
    const PlotResult result = PlotDrawing(*m_drawing, settings, path);
    if (!result.ok) {
        m_status->setText(Q(result.error));
        return;
    }
    m_summary = "Plotted " + settings.layout + " to " + path + " (" + std::to_string(result.stats.drawn) + " entities" +
                (result.sheet.onPaper ? "; " + result.sheet.Describe() : "; " + std::to_string(result.width) + " x " + std::to_string(result.height) + " pixels") +
                ")" + (result.note.empty() ? "" : ". Note: " + result.note);
    accept();
}

namespace {

MainWindow* g_window = nullptr;
// The typed PLOT the dialog's stands in for while the window is attached.
AcRxFunctionPtr g_typed = nullptr;
int g_typedFlags = ACRX_CMD_MODAL;

// The plot file first offered: the drawing's name with .pdf, beside it.
std::string DefaultPlotFile(const AcApDocument& document) {
    std::string name = platform::ToUtf8(document.fileName() ? document.fileName() : L"");
    if (name.empty()) return "plot.pdf";
    const size_t slash = name.rfind('/'), dot = name.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) name.erase(dot);
    return name + ".pdf";
}

void PlotDialogCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document || !document->database()) return;
    std::string layout = "Model";
    // The layout whose tab is chosen.
    if (QTabBar* tabs = g_window ? g_window->LayoutTabs() : nullptr; tabs && tabs->currentIndex() >= 0)
        layout = S(tabs->tabText(tabs->currentIndex()));
    PlotDialog dialog(*document->database(), layout, DefaultPlotFile(*document), g_window);
    if (dialog.exec() == QDialog::Accepted) platform::WriteOutput("\n" + dialog.Summary() + ".\n");
    else platform::WriteOutput(std::string_view("*Cancel*\n"));
}

}  // namespace

void RegisterPlotCommand(MainWindow* window) {
    g_window = window;
    AcEdCommandStack* stack = acedRegCmds;
    if (!stack) return;
    // It takes the typed PLOT's place, whichever was registered first, and gives it back.
    if (const AcEdCommand* typed = stack->lookupGlobalCmd(L"ACAD", L"PLOT"); typed && typed->functionAddr() != &PlotDialogCommand) {
        g_typed = typed->functionAddr();
        g_typedFlags = typed->commandFlags();
        stack->removeCmd(L"ACAD", L"PLOT");
    }
    stack->addCommand(L"ACAD", L"PLOT", L"PLOT", ACRX_CMD_MODAL, &PlotDialogCommand);
}

void UnregisterPlotCommand() {
    if (AcEdCommandStack* stack = acedRegCmds) {
        const AcEdCommand* ours = stack->lookupGlobalCmd(L"ACAD", L"PLOT");
        if (ours && ours->functionAddr() == &PlotDialogCommand) {
            stack->removeCmd(L"ACAD", L"PLOT");
            if (g_typed) stack->addCommand(L"ACAD", L"PLOT", L"PLOT", g_typedFlags, g_typed);
        }
    }
    g_typed = nullptr;
    g_window = nullptr;
}

}  // namespace window
