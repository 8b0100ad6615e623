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

// Where the process object stands on the call stack: how many calls into
// it, or slots called by it, are open; and the process object of an owner
// destroyed meanwhile, which must outlive them. It goes once the last of them
// has closed: at once when that was a call into it, which has returned; after
// the event loop's next turn when that was a slot, for then the process
// object still has to finish the emission that called it, but no event loop
// runs before it has.
struct Stack
{
    int depth = 0;
    std::unique_ptr<DetachableProcess> orphan;
};

// Marks a stretch in which the process object is on the call stack: a call
// into it, or a slot that one of its signals called. The scope also tells
// whether its owner survived the stretch.
class Scope
{
public:
    enum Kind { Call, Slot };

    Scope(QObject *owner, const std::shared_ptr<Stack> &stack, Kind kind = Slot)
        : m_owner(owner)
        , m_stack(stack)
        , m_kind(kind)
    {
        ++m_stack->depth;
    }
    ~Scope()
    {
        if (--m_stack->depth > 0 || !m_stack->orphan)
            return;
        if (m_kind == Call)
            m_stack->orphan.reset();
        else
            m_stack->orphan.release()->deleteLater();
    }
    Q_DISABLE_COPY(Scope)

    bool ownerAlive() const { return !m_owner.isNull(); }

private:
    QPointer<QObject> m_owner;
    std::shared_ptr<Stack> m_stack;
    Kind m_kind;
};

// Makes a call into the process object (one that may emit) within a scope
// of owner; false when a handler destroyed owner meanwhile.
template<typename Call>
bool callWithin(QObject *owner, const std::shared_ptr<Stack> &stack, Call &&call)
{
    const Scope scope(owner, stack, Scope::Call);
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
// runs; but while the process object is on the stack, the child is killed
// now and the object kept until the stack has left it.
inline void dispose(std::unique_ptr<DetachableProcess> process, Stack *stack)
{
    if (stack->depth == 0 || !process)
        return;
    process->kill();
    stack->orphan = std::move(process);
}

}

#endif
