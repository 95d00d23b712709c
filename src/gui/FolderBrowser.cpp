// FolderBrowser: the lists over Qt's file-system model, which reads folders in the background.
#include "FolderBrowser.h"

#include <QAbstractFileIconProvider>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace merrowin {

namespace {

// The lists show bare names, as they always have: no file-type icons.
class NoIcons : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType) const override { return {}; }
    QIcon icon(const QFileInfo&) const override { return {}; }
};

QAbstractFileIconProvider& NoIconProvider() {
    static NoIcons provider; // outlives every model, which are gone before the program ends
    return provider;
}

QFileSystemModel* NewModel(QObject* owner, QDir::Filters filter, const QStringList& nameFilters) {
    auto* model = new QFileSystemModel(owner);
    model->setIconProvider(&NoIconProvider());
    model->setFilter(filter); // hidden entries stay hidden
    model->setNameFilters(nameFilters);
    model->setNameFilterDisables(false); // names that do not match are left out, not greyed
    return model;
}

QListView* NewList(const char* name, QWidget* parent) {
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers); // never renames a file
    return list;
}

// A fresh model in place of the view's current one.
void Replace(QListView& view, QFileSystemModel*& current, QFileSystemModel* fresh) {
    QItemSelectionModel* oldSelection = view.selectionModel();
    view.setModel(fresh);
    delete oldSelection; // a view leaves its old selection model to its owner
    delete current;
    current = fresh;
}

} // namespace

FolderBrowser::FolderBrowser(const QStringList& nameFilters, const std::vector<Row>& rows,
                             QWidget* parent)
    : QWidget(parent), nameFilters_(nameFilters) {
    // Made in the order shown, which is the order the focus moves through them.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    for (const Row& row : rows) {
        QWidget* made = CreatePart(row.Shows);
        if (made == nullptr) {
            continue; // named twice
        }
        if (row.Caption != nullptr) {
            auto* label = new QLabel(QString::fromUtf8(row.Caption), this);
            label->setObjectName(QString::fromUtf8(row.CaptionName));
            column->addWidget(label);
        }
        column->addWidget(made);
    }
    for (Part part : {Part::Files, Part::Folders, Part::Drives}) {
        if (QWidget* made = CreatePart(part)) {
            column->addWidget(made);
        }
    }
    drive1_->addItems(DriveRoots());
    Refresh();

    connect(drive1_, &QComboBox::textActivated, this,
            [this](const QString& root) { SetFolder(root); });
    connect(dir1_, &QListView::activated, this, &FolderBrowser::Dir1Activated);
    connect(file1_, &QListView::clicked, this, &FolderBrowser::File1Clicked);
}

// A part not made yet; nullptr once it is.
QWidget* FolderBrowser::CreatePart(Part part) {
    switch (part) {
    case Part::Files:
        if (file1_ == nullptr) {
            file1_ = NewList("File1", this);
            return file1_;
        }
        break;
    case Part::Folders:
        if (dir1_ == nullptr) {
            dir1_ = NewList("Dir1", this);
            return dir1_;
        }
        break;
    case Part::Drives:
        if (drive1_ == nullptr) {
            drive1_ = new QComboBox(this);
            drive1_->setObjectName("Drive1");
            return drive1_;
        }
        break;
    }
    return nullptr;
}

QStringList FolderBrowser::DriveRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && !roots.contains(volume.rootPath())) {
            roots << volume.rootPath();
        }
    }
    if (!roots.contains("/")) {
        roots.prepend("/");
    }
    roots.sort();
    return roots;
}

bool FolderBrowser::SetFolder(const QString& path) {
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists()) {
        return false;
    }
    folder_ = dir.absolutePath();
    Refresh();
    emit FolderChanged(folder_);
    return true;
}

void FolderBrowser::SetNameFilters(const QStringList& nameFilters) {
    nameFilters_ = nameFilters;
    files_->setNameFilters(nameFilters_);
}

// Fresh models for every folder shown: a model that has shown a folder keeps listing the folders
// on its path even where its filter would leave them out (a subfolder among the files of its
// parent, a hidden folder among the folders).
void FolderBrowser::Refresh() {
    QDir::Filters folderFilter = QDir::Dirs | QDir::NoDot;
    if (folder_.isEmpty() || QDir(folder_).isRoot()) {
        folderFilter |= QDir::NoDotDot; // ".." leads up, except at a root
    }
    Replace(*dir1_, folders_, NewModel(this, folderFilter, {}));
    Replace(*file1_, files_, NewModel(this, QDir::Files, nameFilters_));
    if (!folder_.isEmpty()) {
        dir1_->setRootIndex(folders_->setRootPath(folder_));
        file1_->setRootIndex(files_->setRootPath(folder_));
    }
}

void FolderBrowser::Dir1Activated(const QModelIndex& index) {
    if (index.isValid()) {
        SetFolder(folders_->filePath(index)); // "x/.." is made absolute without the ".."
    }
}

void FolderBrowser::File1Clicked(const QModelIndex& index) {
    if (index.isValid()) {
        emit FileClicked(FilePath(files_->fileName(index)));
    }
}

QStringList FolderBrowser::FileNames() const {
    QStringList names;
    const QModelIndex root = file1_->rootIndex();
    const int count = files_->rowCount(root);
    for (int row = 0; row < count; ++row) {
        names << files_->fileName(files_->index(row, 0, root));
    }
    return names;
}

QModelIndex FolderBrowser::FileIndex(const QString& name) const {
    const int row = static_cast<int>(FileNames().indexOf(name));
    return row < 0 ? QModelIndex() : files_->index(row, 0, file1_->rootIndex());
}

QString FolderBrowser::FilePath(const QString& name) const {
    return QDir(folder_).filePath(name);
}

bool FolderBrowser::ClickFile(const QString& name) {
    const QModelIndex index = FileIndex(name);
    if (!index.isValid()) {
        return false;
    }
    file1_->setCurrentIndex(index);
    File1Clicked(index);
    return true;
}

} // namespace merrowin
