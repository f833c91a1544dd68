#pragma once
// A drawing from the application's pictures, stretched to its box and
// drawn from its vector source at any scale.

#include <QString>
#include <QWidget>

namespace ocu {

class Picture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit Picture(QWidget* parent = nullptr);
    QString source() const { return source_; }
    // A resource path such as ":/pictures/iris.svg".
    void setSource(const QString& source);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString source_;
};

}  // namespace ocu
