#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

namespace window {

std::optional<std::wstring> AskDrawingFile(QWidget* parent, bool save, const std::wstring& offered) {
    QFileDialog dialog(parent, save ? QStringLiteral("Save Drawing As") : QStringLiteral("Open Drawing"));
    dialog.setObjectName(QStringLiteral("DrawingFileDialog"));
    // Qt's own dialog on every desktop: the same keys and behaviour everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        dialog.setNameFilters({QStringLiteral("DXF drawings (*.dxf)")});
        dialog.setDefaultSuffix(QStringLiteral("dxf"));
    } else {
        dialog.setNameFilters({QStringLiteral("Drawings (*.dxf *.dwg)"), QStringLiteral("All files (*)")});
    }
    const QFileInfo start(QString::fromStdWString(offered));
    if (offered.empty()) {
        dialog.setDirectory(QDir::current());
    } else if (start.isDir()) {
        dialog.setDirectory(start.absoluteFilePath());
    } else {
        dialog.setDirectory(start.absolutePath());
        if (save) dialog.selectFile(start.fileName());
    }
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    // The keys go back to the window, also where no window manager hands them back.
    if (parent) parent->activateWindow();
    if (!chosen) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdWString();
}

}  // namespace window
