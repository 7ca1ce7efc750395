// The spelling windows as a user meets them, for the screenshot command.
#include "spelling/qt_spelling_pictures.h"

#include "project/source_mgt.h"
#include "spelling/frm_spell_dialog.h"
#include "spelling/frm_spell_options.h"
#include "spelling/project_words.h"
#include "spelling/spell_report.h"

namespace plumora {

namespace {

// The first unknown word of the project: its line and the piece it is in.
bool FirstUnknownWord(TVCSpeller& speller, TSourceMgt& project, std::string& line, std::string& piece) {
    const TSpellTargets targets;
    for (RFile* f = project.Head.get(); f->Next; f = f->Next.get()) {
        const bool wasLoaded = f->Loaded;
        project.LoadLines(f);
        std::vector<TSpellFinding> findings;
        FindMisspellings(f->Lines, speller, targets, findings);
        if (!findings.empty()) {
            line = f->Lines[findings[0].Line - 1];
            std::vector<TSpellPiece> pieces;
            SpellPieces(line, targets, pieces);
            for (const TSpellPiece& p : pieces)
                if (p.Column < findings[0].Column) piece = p.Text;
        }
        if (!wasLoaded) project.ReleaseLines(f);
        if (!piece.empty()) return true;
    }
    return false;
}

}  // namespace

bool GrabSpellingWindows(TfrmSpellDialog& dialog, TSourceMgt& project, const TGrabWindow& grab) {
    TVCSpeller& speller = dialog.VCSpeller();
    if (!speller.Ready()) return true;  // no dictionary: nothing to show
    speller.SetProjectWords(CollectProjectWords(project));
    std::string line, piece;
    if (FirstUnknownWord(speller, project, line, piece) && dialog.ShowFirstWord(line, piece)) {
        const bool ok = grab(&dialog, "12-spelling-dialog");
        dialog.hide();
        if (!ok) return false;
    }
    TfrmSpellOptions options(speller, dialog.Host(), &dialog);
    options.show();
    const bool ok = grab(&options, "13-spell-checker-options");
    options.hide();
    return ok;
}

}  // namespace plumora
