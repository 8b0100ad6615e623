#ifndef HOSTKIT_VARIANTS_P_H
#define HOSTKIT_VARIANTS_P_H

#include <QMetaType>
#include <QVariant>

namespace HostkitVariants {

// Whether value holds a number of any width, as opposed to text that reads as one.
inline bool isNumber(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

}

#endif
