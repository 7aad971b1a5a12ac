#pragma once
// Run-time class descriptors: every drawing object knows its class, and a class knows its
// parent, so code can ask whether an object is a table (isKindOf(AcDbTable::desc())).
class AcRxClass {
public:
    AcRxClass(const wchar_t* name, AcRxClass* parent, const wchar_t* dxfName = L"")
        : m_name(name), m_dxfName(dxfName), m_parent(parent) {}
    AcRxClass(const AcRxClass&) = delete;
    AcRxClass& operator=(const AcRxClass&) = delete;

    const wchar_t* name() const { return m_name; }
    // The entity or object type name drawing files and selection filters use ("ACAD_TABLE").
    const wchar_t* dxfName() const { return m_dxfName; }
    AcRxClass* myParent() const { return m_parent; }
    // True when this class is other or one of its descendants.
    bool isDerivedFrom(const AcRxClass* other) const {
        for (const AcRxClass* c = this; c; c = c->m_parent)
            if (c == other) return true;
        return false;
    }

private:
    const wchar_t* m_name;
    const wchar_t* m_dxfName;
    AcRxClass* m_parent;
};

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
    static AcRxClass* desc();
    virtual AcRxClass* isA() const { return desc(); }
    bool isKindOf(const AcRxClass* cls) const { return isA()->isDerivedFrom(cls); }
    static AcRxObject* cast(AcRxObject* obj) { return obj; }
};

// Declares desc(), isA() and cast() of a class; the definition names its parent.
#define ACRX_DECLARE_MEMBERS(CLASS)                                                              \
    static AcRxClass* desc();                                                                    \
    AcRxClass* isA() const override { return desc(); }                                           \
    static CLASS* cast(AcRxObject* obj) {                                                        \
        return obj && obj->isKindOf(CLASS::desc()) ? static_cast<CLASS*>(obj) : nullptr;        \
    }                                                                                            \
    static const CLASS* cast(const AcRxObject* obj) {                                            \
        return obj && obj->isKindOf(CLASS::desc()) ? static_cast<const CLASS*>(obj) : nullptr;  \
    }

#define ACRX_DEFINE_MEMBERS(CLASS, PARENT, DXFNAME)               \
    AcRxClass* CLASS::desc() {                                    \
        static AcRxClass cls(L## #CLASS, PARENT::desc(), DXFNAME); \
        return &cls;                                              \
    }
