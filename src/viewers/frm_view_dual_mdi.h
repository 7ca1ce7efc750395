// TfrmViewDualMDI: a child window of the main window showing a source file
// beside its styled copy, with search on either side and the line-by-line
// comparison (Diff).
#pragma once

#include <string>

#include <QPointer>
#include <QWidget>

class QMdiArea;
class QScrollBar;

namespace plumora {

class ICommandHost;
class TBigText;
class TSideBySide;
class TViewSearch;
class TfrmStaticProcessing;
struct RFile;

class TfrmViewDualMDI : public QWidget {
    Q_OBJECT

public:
    // `busy` is the program's busy window shown during Diff; without one the
    // window makes its own. The host must outlive the window.
    TfrmViewDualMDI(ICommandHost& host, TfrmStaticProcessing* busy, QWidget* parent = nullptr);

    // A new window in `mdi` for a styled entry: FullPath left, NewPath right,
    // caption "File: " + FullPath.
    static TfrmViewDualMDI* ShowStyledFile(QMdiArea* mdi, ICommandHost& host, const RFile& entry,
                                           TfrmStaticProcessing* busy, int tabWidth = 4);

    // Remembers both paths and loads them; each file that cannot be read is
    // reported and its view keeps the lines read before the failure.
    void OpenFiles(const std::string& sourcePath, const std::string& styledPath);

    TBigText* memoCodeBefore() const;
    TBigText* memoCodeAfter() const;
    QScrollBar* ScrollBothBar() const;
    TSideBySide* Body() const { return body_; }
    TViewSearch* Search() const;
    const std::string& SourcePath() const { return sourcePath_; }
    const std::string& StyledPath() const { return styledPath_; }

    void btnCloseClick();
    void btnPrintClick();
    // Reads both files afresh and shows their comparison. A file that cannot
    // be read is reported and both views keep what they showed.
    void btnDiffClick();

private:
    TfrmStaticProcessing* Busy();

    ICommandHost& host_;
    QPointer<TfrmStaticProcessing> busy_;
    TSideBySide* body_ = nullptr;
    std::string sourcePath_;
    std::string styledPath_;
};

}  // namespace plumora
