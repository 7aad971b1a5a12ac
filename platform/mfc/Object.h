#pragma once
// The root of the framework's class tree: only a virtual destructor is relied on.
class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;
};
