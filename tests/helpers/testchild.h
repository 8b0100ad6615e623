#ifndef LOOMWRIGHT_TESTS_TESTCHILD_H
#define LOOMWRIGHT_TESTS_TESTCHILD_H

// The child program (helpers/testchild.cpp) whose output, input and end the
// process tests control, and how long they wait for it at the most.

#include <QString>

const int waitMs = 30000;

inline QString testChild()
{
    return QStringLiteral(LOOMWRIGHT_TESTCHILD);
}

#endif // LOOMWRIGHT_TESTS_TESTCHILD_H
