// TfrmViewSingleMDI: a child window of the main window showing one file (a
// source file or the project file) read-only, with search.
#pragma once

#include <string>

#include <QWidget>

class QAction;
class QMdiArea;
class QMenu;

namespace plumora {

class ICommandHost;
class TBigText;
class TViewSearch;
struct RFile;

class TfrmViewSingleMDI : public QWidget {
    Q_OBJECT

public:
    // The host shows this window's messages; it must outlive the window.
    explicit TfrmViewSingleMDI(ICommandHost& host, QWidget* parent = nullptr);

    // A new window in `mdi` with caption "File: " + FullPath showing the file.
    static TfrmViewSingleMDI* ShowSourceFile(QMdiArea* mdi, ICommandHost& host,
                                             const RFile& entry, int tabWidth = 4);
    // A new window in `mdi` with caption "Project File: " + ProjectName
    // showing the project file itself.
    static TfrmViewSingleMDI* ShowProjectFile(QMdiArea* mdi, ICommandHost& host,
                                              const std::string& projectName,
                                              const std::string& projectFileName,
                                              int tabWidth = 4);

    TBigText* memoSource() const { return memoSource_; }
    TViewSearch* Search() const { return search_; }

    // Loads the file into memoSource; a read failure is shown as an error and
    // the lines read before it stay. Returns false on failure.
    bool LoadFile(const std::string& localPath);

    void btnCloseClick();
    void btnPrintClick();
    void btnSearchClick();

private:
    ICommandHost& host_;
    TBigText* memoSource_ = nullptr;
    TViewSearch* search_ = nullptr;
    QMenu* popup_ = nullptr;
};

}  // namespace plumora
