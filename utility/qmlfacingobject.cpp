#include "utility/qmlfacingobject.h"

QmlFacingObject::QmlFacingObject(QObject *parent)
    : QObject(parent)
{
}

QmlFacingObject::~QmlFacingObject() = default;
