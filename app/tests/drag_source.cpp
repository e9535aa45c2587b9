// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
// A second program for the end-to-end tests: a press in its window drags the text it was given
// over X11 drag and drop, offering a move or a copy, and it prints "dragging" and then the action
// the target settled on (move, copy or ignore), which tells a source whether to delete its text. It
// stays a while to hand the text over: the target fetches it only once the drop has been announced.
#include <cstdio>

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

class DragSource : public QWidget {
public:
    explicit DragSource(const QString& text) : text_(text) {}

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setText(text_);
        drag->setMimeData(data);
        std::puts("dragging");  // the test moves the pointer on only now
        std::fflush(stdout);
        const Qt::DropAction action = drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
        std::puts(action == Qt::MoveAction ? "move" : action == Qt::CopyAction ? "copy" : "ignore");
        std::fflush(stdout);
        QTimer::singleShot(3000, qApp, &QApplication::quit);
    }

private:
    QString text_;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DragSource source(QString::fromLocal8Bit(argv[1]));
    source.setWindowTitle(QStringLiteral("drag source"));
    source.setGeometry(400, 300, 100, 100);
    source.show();
    return app.exec();
}
