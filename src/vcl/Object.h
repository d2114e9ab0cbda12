#pragma once
// The root of the component model: every object knows its class information
// (name, parent, published properties), so class names and the class chain
// come from the classes themselves.

#include <string>

#include "vcl/ClassInfo.h"

namespace qvn {

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const { return *classInfo_; }
    const std::string& ClassName() const { return ClassInfo().Name(); }
    bool InheritsFrom(const TClassInfo& c) const { return ClassInfo().InheritsFrom(c); }

protected:
    // Called by QVN_CLASS_INFO's member initialiser at each class level.
    TClassStamp StampClass(const TClassInfo& info) noexcept
    {
        classInfo_ = &info;
        return {};
    }

private:
    const TClassInfo* classInfo_ = &StaticClassInfo();
};

// Objects whose published properties can be assigned from one another.
class TPersistent : public TObject {
    QVN_CLASS_INFO()
public:
    // Copies the published state of source; raises EConvertError when the
    // classes do not fit ("Cannot assign a X to a Y").
    virtual void Assign(const TPersistent& source);

protected:
    virtual bool AssignTo(TPersistent& dest) const;
};

}  // namespace qvn
