#pragma once

#include <QDate>

namespace wellbox {

// Today's date, without time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class QtClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace wellbox
