// TfrmCommentor: a child window of the main window that walks the Sub and
// Function routines of one module, shows the module with the routine on show
// in navy, and edits the routine's header comment block.
#pragma once

#include <memory>
#include <string>

#include <QWidget>

#include "commentor/commentor.h"

class QLineEdit;
class QMdiArea;
class QPlainTextEdit;
class QSplitter;

namespace plumora {

class ICommandHost;
class TBigText;
class TOptionSet;
struct RFile;

class TfrmCommentor : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 72;

    // The host shows this window's messages; it must outlive the window.
    explicit TfrmCommentor(ICommandHost& host, QWidget* parent = nullptr);
    ~TfrmCommentor() override;

    // "View Sub/Function Commentor": a new window in `mdi` on the entry's
    // file, its output directory taken from the live options now.
    static TfrmCommentor* ShowCommentor(QMdiArea* mdi, ICommandHost& host, const RFile& entry,
                                        const TOptionSet& options, int tabWidth = 4);

    // Opens the module into this window (see TCommentor::Open).
    bool OpenModule(const RFile& entry, const TOptionSet& options);
    bool OpenModule(const std::string& fileName, const std::string& fullPath,
                    const std::string& outputSetting);

    void SetTabWidth(int width);

    const TCommentor& Commentor() const { return *commentor_; }
    QLineEdit* edtModuleName() const { return edtModuleName_; }
    QLineEdit* edtParameters() const { return edtParameters_; }
    QLineEdit* edtAuthor() const { return edtAuthor_; }
    QLineEdit* edtReturns() const { return edtReturns_; }
    QPlainTextEdit* memoComment() const { return memoComment_; }
    TBigText* memoSource() const { return memoSource_; }

    // A comfortable size for a new or cascaded window.
    QSize sizeHint() const override { return {760, 540}; }

    void btnPriorRoutineClick();
    void btnNextRoutineClick();
    void btnSaveChangesClick();

protected:
    // Asks to save changed comments first; Cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* NewField(const char* name);
    // Hands what the user typed to the commentor. False, after telling the
    // user, when the text held characters the module's code page cannot
    // store: they are shown as "?" now, and the command is not carried out.
    bool TakeEditorText();
    // Shows what the commentor holds: caption, fields, editor, view.
    void ShowState();

    ICommandHost& host_;
    QLineEdit* edtModuleName_ = nullptr;
    QLineEdit* edtParameters_ = nullptr;
    QLineEdit* edtAuthor_ = nullptr;
    QLineEdit* edtReturns_ = nullptr;
    QPlainTextEdit* memoComment_ = nullptr;
    TBigText* memoSource_ = nullptr;
    QSplitter* splitter_ = nullptr;
    // Paints memoSource_ and then shows the rest of the window, so that the
    // window is whole behind any message the commentor shows next.
    class TView;
    std::unique_ptr<TView> view_;
    std::unique_ptr<TCommentor> commentor_;  // paints through view_, so made after it
};

}  // namespace plumora
