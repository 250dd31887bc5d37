#pragma once

#include <QObject>

// Counts greetings and announces each new count.
class Counter : public QObject
{
    Q_OBJECT

public:
    int value() const { return m_value; }

public slots:
    void increment();

signals:
    void changed(int value);

private:
    int m_value = 0;
};
