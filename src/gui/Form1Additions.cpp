// The main window's items beyond its original menus: the stability curve and the 3-D mesh.
#include <QFileDialog>

#include "Form1.h"
#include "StabilityWindow.h"
#include "export/MeshFiles.h"

namespace merrowin {

// "Stability &Curve...": the window opens on the hull as the last repaint left it, computed.
void Form1::StabilityCurveClick() {
    RepaintWindow();
    if (!stability_) {
        stability_ = std::make_unique<StabilityWindow>(app_, folder_, this);
    } else {
        stability_->LoadFromModel();
    }
    stability_->Compute();
    stability_->show();
    stability_->raise();
}

Outcome Form1::ExportMesh(const std::filesystem::path& path, bool closed) {
    // As the VRML button: from the chine points of a fresh repaint.
    RepaintWindow();
    MeshOptions options;
    options.Closed = closed;
    const Outcome written = SaveHullMesh(path.has_parent_path() ? path.parent_path() : folder_,
                                         path.filename().string(), app_.Hull, options);
    if (written.HasFailed()) {
        status_->SetPanel(1, written.Text());
    }
    return written;
}

// "Export 3-D &Mesh...": the file and its format from a save dialog, then whether to close the
// mesh with the deck and the end faces for a 3-D printed model.
void Form1::ExportMeshClick() {
    const QString chosen = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export 3-D Mesh"), QString::fromStdString(folder_.string()),
        QStringLiteral("STL mesh (*.stl);;Wavefront OBJ (*.obj)"));
    if (chosen.isEmpty()) {
        return;
    }
    const MessageAnswer answer =
        Ui().Boxes.Message("Export 3-D Mesh",
                           "Close the mesh with the deck and the end faces (for a 3-D printed "
                           "model)?",
                           MessageButtons::YesNoCancel, MessageIcon::Question);
    if (answer == MessageAnswer::Cancel) {
        return;
    }
    // A failure is told in the status bar.
    static_cast<void>(ExportMesh(chosen.toStdString(), answer == MessageAnswer::Yes));
}

} // namespace merrowin
