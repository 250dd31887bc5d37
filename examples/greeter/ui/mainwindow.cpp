#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "../core/counter.h"
#include "../core/greeting.h"

#include <QFile>

MainWindow::MainWindow(Counter &counter, QWidget *parent)
    : QWidget(parent), m_form(new Ui::MainWindow)
{
    m_form->setupUi(this);
    QFile greeting(QStringLiteral(":/text/greeting.txt"));
    if (greeting.open(QIODevice::ReadOnly))
        m_greeting = QString::fromUtf8(greeting.readAll());
    connect(m_form->greetButton, &QPushButton::clicked, &counter, &Counter::increment);
    connect(&counter, &Counter::changed, this, &MainWindow::showCount);
}

MainWindow::~MainWindow() = default;

void MainWindow::showCount(int count)
{
    m_form->greetingLabel->setText(greetingFor(m_greeting, count));
}
