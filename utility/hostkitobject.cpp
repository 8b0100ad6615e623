#include "utility/hostkitobject.h"

HostkitObject::HostkitObject(QObject *parent)
    : QObject(parent)
{
}

HostkitObject::~HostkitObject() = default;
