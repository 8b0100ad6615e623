#ifndef LOOMWRIGHT_EXAMPLES_TERMINAL_H
#define LOOMWRIGHT_EXAMPLES_TERMINAL_H

#include <QObject>
#include <QStringList>

// What a console QML program needs of its terminal: its arguments, the two
// output streams and a way to end with an exit code.
class Terminal : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList arguments READ arguments CONSTANT)

public:
    explicit Terminal(const QStringList &arguments, QObject *parent = nullptr);

    QStringList arguments() const;

    Q_INVOKABLE void write(const QString &text);
    Q_INVOKABLE void writeError(const QString &text);
    Q_INVOKABLE void exit(int code);

private:
    QStringList m_arguments;
};

#endif
