// FolderBrowser: the drive, folder and file lists with which a window chooses a file.
#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QComboBox;
class QFileSystemModel;
class QListView;
class QModelIndex;

namespace merrowin {

class FolderBrowser : public QWidget {
    Q_OBJECT
public:
    enum class Part { Files, Folders, Drives };
    // One entry of the column: a part, and the label standing above it when Caption is given.
    struct Row {
        Part Shows;
        const char* CaptionName = nullptr; // the label's object name
        const char* Caption = nullptr;
    };

    // The lists stacked top to bottom in the order of `rows` (a part not named goes last). The
    // file list shows the files matching any of `nameFilters`, in any letter case. The lists
    // show a folder once SetFolder has chosen it.
    FolderBrowser(const QStringList& nameFilters, const std::vector<Row>& rows,
                  QWidget* parent = nullptr);

    QComboBox& Drive1() { return *drive1_; }
    QListView& Dir1() { return *dir1_; }
    QListView& File1() { return *file1_; }

    // The folder shown, absolute, with "/" between its parts.
    QString Folder() const { return folder_; }
    // Moves both lists to `path`; a path that is no folder changes nothing and gives false.
    bool SetFolder(const QString& path);
    void SetNameFilters(const QStringList& nameFilters);
    // Reads the folder again from the disk (the lists also follow changes while they show it).
    void Refresh();

    // The names the file list shows now. After a move or a refresh the list fills in the
    // background, in the event loop.
    QStringList FileNames() const;
    // The full path of a file of the folder shown, with no doubled "/" at a root.
    QString FilePath(const QString& name) const;
    // Does what a click on `name` in the file list does; false when the list does not show it.
    bool ClickFile(const QString& name);

    // The roots of the mounted volumes, "/" always among them, sorted.
    static QStringList DriveRoots();

signals:
    void FolderChanged(const QString& path);
    void FileClicked(const QString& path);

private:
    QWidget* CreatePart(Part part);
    void Dir1Activated(const QModelIndex& index);
    void File1Clicked(const QModelIndex& index);
    QModelIndex FileIndex(const QString& name) const;

    QStringList nameFilters_;
    QString folder_;
    QComboBox* drive1_ = nullptr;
    QListView* dir1_ = nullptr;
    QListView* file1_ = nullptr;
    QFileSystemModel* folders_ = nullptr;
    QFileSystemModel* files_ = nullptr;
};

} // namespace merrowin
