// A slow, literal line comparison to check the real one against: the
// recursive longest-run search exactly as first designed, comparing every
// left line with every right line, marks and all, and the row walk writing
// coloured lines into two recording views.
#pragma once

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "host/line_sink.h"

namespace plumora::testing {

struct RecordedLine {
    std::string Text;
    TColor Font;
    TColor Back;
    friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
};

class RecordingSink : public ILineSink {
public:
    std::vector<RecordedLine> Lines;
    int Clears = 0;
    int Refreshes = 0;
    void Clear() override {
        ++Clears;
        Lines.clear();
    }
    void AppendLine(const std::string& text, TColor font, TColor back) override {
        Lines.push_back({text, font, back});
    }
    void Refresh() override { ++Refreshes; }
};

class ReferenceDiff {
public:
    struct Mark {
        int Partner = -1;
        int RunLength = -1;
    };

    ReferenceDiff(std::vector<std::string> left, std::vector<std::string> right)
        : left_(std::move(left)), right_(std::move(right)), l_(left_.size()), r_(right_.size()) {
        MatchRanges(0, int(left_.size()), 0, int(right_.size()));
    }

    std::vector<int> LeftPartners() const { return Partners(l_); }
    std::vector<int> RightPartners() const { return Partners(r_); }

    void Display(ILineSink& leftView, ILineSink& rightView) const {
        const TColor black = TColor::FromRgb(0, 0, 0);
        const TColor window = TColor::SystemWindow();
        const TColor yellow = TColor::FromRgb(255, 255, 0);
        const TColor blue = TColor::FromRgb(0, 0, 255);
        const TColor silver = TColor::FromRgb(192, 192, 192);
        const int nl = int(left_.size()), nr = int(right_.size());
        int i = 0, j = 0;
        auto matched = [&] {
            leftView.AppendLine(left_[i++], black, window);
            rightView.AppendLine(right_[j++], black, window);
        };
        auto changed = [&] {
            leftView.AppendLine(left_[i++], black, yellow);
            rightView.AppendLine(right_[j++], black, yellow);
        };
        auto deleted = [&] {
            leftView.AppendLine(left_[i++], blue, yellow);
            rightView.AppendLine("", black, silver);
        };
        auto inserted = [&] {
            leftView.AppendLine("", black, silver);
            rightView.AppendLine(right_[j++], blue, yellow);
        };
        leftView.Clear();
        rightView.Clear();
        while (i < nl || j < nr) {
            while (i < nl && l_[i].Partner == -1) {
                if (j >= nr) deleted();
                else if (r_[j].Partner == -1) changed();
                else deleted();
            }
            while (i >= nl && j < nr) inserted();
            while (j >= nr && i < nl) deleted();
            if (i < nl && l_[i].Partner == j) matched();
            if (i < nl && j < nr) {
                while (l_[i].Partner > j) {
                    inserted();
                    if (j >= nr) break;
                }
            }
        }
        leftView.Refresh();
        rightView.Refresh();
    }

private:
    static std::vector<int> Partners(const std::vector<Mark>& marks) {
        std::vector<int> out;
        for (const auto& m : marks) out.push_back(m.Partner);
        return out;
    }

    void MatchRanges(int lo1, int hi1, int lo2, int hi2) {
        for (int i = lo1; i < hi1; ++i) l_[i] = Mark{};
        for (int j = lo2; j < hi2; ++j) r_[j] = Mark{};
        const auto found = FindLongestRun(lo1, hi1, lo2, hi2);
        if (!found) return;
        const auto [d, m, n] = *found;
        MatchRanges(lo1, d, lo2, m);
        MatchRanges(d + n, hi1, m + n, hi2);
    }

    std::optional<std::tuple<int, int, int>> FindLongestRun(int lo1, int hi1, int lo2, int hi2) {
        for (int a = lo1; a < hi1; ++a) {
            for (int j = lo2; j < hi2; ++j) {
                if (left_[a] != right_[j]) continue;
                int g = 0;
                while (a + g < hi1 && j + g < hi2 && left_[a + g] == right_[j + g]) ++g;
                if (g > l_[a].RunLength) {
                    l_[a] = {j, g};
                    r_[j] = {a, g};
                }
            }
        }
        int d = -1, best = -1;
        for (int a = lo1; a < hi1; ++a) {
            if (l_[a].RunLength > best) {
                best = l_[a].RunLength;
                d = a;
            }
        }
        if (best < 1) return std::nullopt;
        const int m = l_[d].Partner, n = best;
        for (int k = 0; k < n; ++k) {
            l_[d + k].Partner = m + k;
            r_[m + k].Partner = d + k;
        }
        return std::make_tuple(d, m, n);
    }

    std::vector<std::string> left_, right_;
    std::vector<Mark> l_, r_;
};

}  // namespace plumora::testing
