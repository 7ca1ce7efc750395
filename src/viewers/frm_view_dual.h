// TfrmViewDual: the modal preview of the processing run. The unstyled text on
// the left, the styled text with its change marks on the right. One instance
// lives as long as the main window and is hidden, not destroyed, on close.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "host/run_host.h"

class QScrollBar;

namespace plumora {

class ICommandHost;
class TBigText;
class TSideBySide;
class TViewSearch;
struct TStyledLine;

class TfrmViewDual : public QDialog {
    Q_OBJECT

public:
    explicit TfrmViewDual(ICommandHost& host, QWidget* parent = nullptr);

    // Fills both views for the file `name` and shows the window modally.
    // Returns CancelProcessing when "Cancel processing" closed it, Continue
    // after Close, Escape or the window's own close button.
    PreviewAnswer ShowPreview(const std::string& name, const std::vector<std::string>& before,
                              const std::vector<TStyledLine>& after);

    // The filling of ShowPreview without showing the window.
    void FillPreview(const std::string& name, const std::vector<std::string>& before,
                     const std::vector<TStyledLine>& after);

    TBigText* memoCodeBefore() const;
    TBigText* memoCodeAfter() const;
    QScrollBar* ScrollBothBar() const;
    TSideBySide* Body() const { return body_; }
    TViewSearch* Search() const;

    void btnCloseClick();
    void btnPrintClick();
    void btnCancelClick();

private:
    ICommandHost& host_;
    TSideBySide* body_ = nullptr;
    PreviewAnswer answer_ = PreviewAnswer::Continue;
};

}  // namespace plumora
