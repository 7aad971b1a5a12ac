#pragma once
// PLOT in the window: a dialog with the layout, paper, orientation, scale, area and margins of
// the plot and a preview of the sheet, writing PDF, SVG or PNG by the file name's extension.
// File > Plot and Ctrl+P run it; the console keeps the typed PLOT.
#include <QDialog>
#include <memory>
#include <string>

#include "view/Plot.h"

class AcDbDatabase;
class QComboBox;
class QLabel;
class QLineEdit;

namespace window {

class MainWindow;

class PlotDialog : public QDialog {
public:
    // The drawing as it stands now (unsaved changes too); `layout` is the one chosen first.
    PlotDialog(AcDbDatabase& database, const std::string& layout, const std::string& file, QWidget* parent = nullptr);
    ~PlotDialog() override;

    // What the plot written said of itself ("plotted Layout1 to ..."); empty before one is.
    const std::string& Summary() const { return m_summary; }

private:
    // The settings the controls give; false with the reason.
    bool Settings(platform::view::PlotSettings& settings, std::string& error) const;
    void UpdatePreview();
    void Browse();
    void Plot();

    std::unique_ptr<platform::view::Drawing> m_drawing;
    QComboBox* m_layout;
    QComboBox* m_paper;
    QComboBox* m_orientation;
    QComboBox* m_scale;
    QComboBox* m_area;
    QLineEdit* m_window;
    QLineEdit* m_margins;
    QLineEdit* m_file;
    QLabel* m_preview;
    QLabel* m_status;
    std::string m_summary;
};

// The window's PLOT, in place of the typed one while the window is attached.
void RegisterPlotCommand(MainWindow* window);
void UnregisterPlotCommand();

}  // namespace window
