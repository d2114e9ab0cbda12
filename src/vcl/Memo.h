#pragma once
// TCustomMemo / TMemo: a multi-line edit. Its text is the one source; Lines
// is a view on it (split at CR LF, LF or CR; a final line end adds no empty
// line), and every change through Lines rewrites the text with each line
// followed by CR LF, firing OnChange as any other change of the text.

#include <memory>
#include <string>
#include <vector>

#include "vcl/Edit.h"
#include "vcl/Strings.h"

namespace qvn {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo;

// The lines of a memo.
class TMemoStrings : public TStrings {
    QVN_CLASS_INFO()
public:
    explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

private:
    void Rewrite(const std::vector<std::string>& lines);
    TCustomMemo& memo_;
};

class TCustomMemo : public TCustomEdit {
    QVN_CLASS_INFO()
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings* Lines() const { return lines_.get(); }
    void SetLines(const TStrings& lines) { lines_->Assign(lines); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool on) { wantReturns_ = on; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool on) { wantTabs_ = on; }

protected:
    void TextChanged() override;
    LRESULT DialogCode() const override;

private:
    friend class TMemoStrings;
    const std::vector<std::string>& CachedLines() const;

    std::unique_ptr<TMemoStrings> lines_;
    mutable std::vector<std::string> cache_;
    mutable bool cacheValid_ = false;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
    QVN_CLASS_INFO()
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

}  // namespace qvn
