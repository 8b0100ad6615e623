#ifndef LOOMWRIGHT_HOSTKITOBJECT_H
#define LOOMWRIGHT_HOSTKITOBJECT_H

#include <QObject>

// Common base of the objects that the plugin hands to QML.
class HostkitObject : public QObject
{
    Q_OBJECT

public:
    explicit HostkitObject(QObject *parent = nullptr);
    ~HostkitObject() override;
};

#endif
