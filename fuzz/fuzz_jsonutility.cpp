// Arbitrary bytes as JSON text, through both reading forms and both
// writing forms. What was read, written and read again must stay the same:
// that is what a shared object goes through each time a process changes it.
#include "utility/jsonutility.h"

#include <QVariantList>

#include <cstdint>
#include <cstdlib>

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// Equal as JSON. Qt reads integers up to 64 bits exactly but writes every
// number as a double, so integers beyond 2^53 come back as the nearest
// double: numbers are compared as the doubles they are written as.
bool sameJson(const QVariant &a, const QVariant &b)
{
    if (isNumber(a) && isNumber(b))
        return a.toDouble() == b.toDouble();
    if (a.userType() != b.userType())
        return false;
    if (a.userType() == QMetaType::QVariantMap) {
        const QVariantMap left = a.toMap();
        const QVariantMap right = b.toMap();
        if (left.keys() != right.keys())
            return false;
        for (auto it = left.cbegin(); it != left.cend(); ++it) {
            if (!sameJson(it.value(), right.value(it.key())))
                return false;
        }
        return true;
    }
    if (a.userType() == QMetaType::QVariantList) {
        const QVariantList left = a.toList();
        const QVariantList right = b.toList();
        if (left.size() != right.size())
            return false;
        for (int i = 0; i < left.size(); ++i) {
            if (!sameJson(left.at(i), right.at(i)))
                return false;
        }
        return true;
    }
    return a == b;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    JsonUtility::toVariantMap(bytes, false);
    JsonUtility::toVariantMap(bytes, true);

    const QVariantMap map = JsonUtility::toVariantMap(QString::fromUtf8(bytes.constData(), bytes.size()));
    const QString compact = JsonUtility::toCompactJson(map);
    const QVariantMap again = JsonUtility::toVariantMap(compact);
    if (!sameJson(again, map) || JsonUtility::toCompactJson(again) != compact)
        std::abort();

    const QVariantMap indented = JsonUtility::toVariantMap(QString::fromUtf8(JsonUtility::toIndentedJson(map)));
    if (!sameJson(indented, map))
        std::abort();
    return 0;
}
