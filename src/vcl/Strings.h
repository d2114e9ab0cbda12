#pragma once
// Lists of text lines, each with an optional object: TStrings holds the
// operations every list shares (name=value lines, Text, CommaText, updates),
// TStringList stores the lines and can keep them sorted. Lines compare
// without regard to ASCII case unless CaseSensitive is set; bytes of
// multi-byte characters compare exactly.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exceptions.h"
#include "vcl/Event.h"
#include "vcl/Object.h"

namespace qvn {

QVN_DECLARE_EXCEPTION(EStringListError, Exception)

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
    QVN_CLASS_INFO()
public:
    TStrings() = default;

    virtual int Count() const = 0;
    // Line index; raises EStringListError "List index out of bounds (N)".
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    std::string Strings(int index) const { return Get(index); }
    std::string operator[](int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }

    int Add(const std::string& s) { return AddObject(s, nullptr); }
    virtual int AddObject(const std::string& s, TObject* object);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    void AddStrings(const TStrings& source);
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);

    virtual int IndexOf(std::string_view s) const;
    int IndexOfName(std::string_view name) const;
    int IndexOfObject(const TObject* object) const;

    // "name=value" lines: Names(i) is the part before the first '=' ("" when
    // the line has none); Values(name) the part after it. Setting an empty
    // value deletes the line, setting a new name adds one.
    std::string Names(int index) const;
    std::string Values(std::string_view name) const;
    void SetValues(std::string_view name, const std::string& value);

    // Lines each followed by CR LF; setting splits at CR LF, LF or CR (a final
    // line end adds no empty line).
    std::string Text() const;
    void SetText(std::string_view text);
    // Comma-separated lines; a line that is empty in a one-line list, or that
    // holds a blank, control character, comma or quote, is double-quoted with
    // its quotes doubled. Setting also splits at unquoted blanks.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);

    bool CaseSensitive() const { return caseSensitive_; }
    virtual void SetCaseSensitive(bool value) { caseSensitive_ = value; }

    // Between the outermost BeginUpdate and EndUpdate, OnChanging fires before
    // the first change and OnChange once at the end, and only when something changed.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Copies the lines and objects of another list (raises EConvertError for other classes).
    void Assign(const TPersistent& source) override;
    bool Equals(const TStrings& other) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    int CompareStrings(std::string_view a, std::string_view b) const;
    [[noreturn]] static void IndexError(int index);
    [[noreturn]] static void Error(const char* message);
    // Every modification is framed by these two.
    void Changing();
    void Changed();

private:
    int updateCount_ = 0;
    bool changedInUpdate_ = false;
    bool caseSensitive_ = false;
};

class TStringList;
// Negative, zero or positive as the line at index1 sorts before, with or after the one at index2.
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

class TStringList : public TStrings {
    QVN_CLASS_INFO()
public:
    TStringList() = default;

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;

    // In a sorted list the line goes to its place; a duplicate is then ignored
    // (the existing index is returned), accepted, or refused with EStringListError.
    int AddObject(const std::string& s, TObject* object) override;
    void Insert(int index, const std::string& s) override { InsertObject(index, s, nullptr); }
    void InsertObject(int index, const std::string& s, TObject* object) override;  // refused in a sorted list
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;  // refused in a sorted list

    int IndexOf(std::string_view s) const override;
    // Binary search of a sorted list: true when found; index is the match or the insertion place.
    bool Find(std::string_view s, int& index) const;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates value) { duplicates_ = value; }
    void SetCaseSensitive(bool value) override;

    void Sort();
    void CustomSort(const TStringListSortCompare& compare);

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void CheckIndex(int index) const;
    void InsertItem(int index, const std::string& s, TObject* object);
    void QuickSort(int low, int high, const TStringListSortCompare& compare);

    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

}  // namespace qvn
