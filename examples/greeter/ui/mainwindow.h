#pragma once

#include <QWidget>

#include <memory>

class Counter;
namespace Ui {
class MainWindow;
}

// The form from mainwindow.ui, wired to a Counter: each press of the button
// counts, and each count shows the greeting loaded from the resources.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(Counter &counter, QWidget *parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow &form() { return *m_form; }

public slots:
    void showCount(int count);

private:
    std::unique_ptr<Ui::MainWindow> m_form;
    QString m_greeting;
};
