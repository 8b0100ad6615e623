#ifndef LOOMWRIGHT_PROCESSLIFETIME_P_H
#define LOOMWRIGHT_PROCESSLIFETIME_P_H

#include "process/detachableprocess_p.h"

#include <QPointer>

#include <initializer_list>
#include <memory>

// What the QML process types share to survive their own handlers: a handler
// that a signal reaches may destroy the object (through a nested event loop,
// or because its engine goes), and the object must neither touch itself
// afterwards nor delete its process object while that is still running code.
namespace ProcessLifetime {

// Marks a stretch in which the process object is on the call stack: a call
// into it, or a slot that one of its signals called. depth counts how many
// such stretches are open; the scope also tells whether its owner survived.
class Scope
{
public:
    Scope(QObject *owner, int *depth)
        : m_owner(owner)
        , m_depth(depth)
    {
        ++*m_depth;
    }
    ~Scope()
    {
        if (m_owner)
            --*m_depth;
    }
    Q_DISABLE_COPY(Scope)

    bool ownerAlive() const { return !m_owner.isNull(); }

private:
    QPointer<QObject> m_owner;
    int *m_depth;
};

// Makes a call into the process object (one that may emit) within a scope
// of owner; false when a handler destroyed owner meanwhile.
template<typename Call>
bool callWithin(QObject *owner, int *depth, Call &&call)
{
    const Scope scope(owner, depth);
    call();
    return scope.ownerAlive();
}

// Emits the signals of object in order; stops, returning false, once a
// handler has destroyed the object.
template<typename Object>
bool emitInTurn(Object *object, std::initializer_list<void (Object::*)()> signalList)
{
    const QPointer<Object> alive(object);
    for (const auto signal : signalList) {
        (object->*signal)();
        if (!alive)
            return false;
    }
    return true;
}

// Disposes of the process object of an object being destroyed, after its
// connections to that object are gone. Deleting it ends a child that still
// runs; but with the process object on the stack (depth above 0) the child
// is killed now and the object goes once control has left it.
inline void dispose(std::unique_ptr<QDetachableProcess> process, int depth)
{
    if (depth == 0 || !process)
        return;
    process->kill();
    process.release()->deleteLater();
}

}

#endif
