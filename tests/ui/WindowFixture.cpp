#include "WindowFixture.h"

#include <QFile>
#include <cstdint>
#include <cstring>

namespace kmr::ui::test {

QString WindowFixture::MakeVersion1(const QString& name, int spans, float span1) const {
    QByteArray b(1303, '\0');
    const std::int32_t count = spans;
    std::memcpy(b.data() + 21, &count, 4);  // span capacity
    std::memcpy(b.data() + 25, &count, 4);
    std::memcpy(b.data() + 63, &span1, 4);
    for (int s = 0; s < 11; ++s) {
        const std::int32_t simple = 1;
        std::memcpy(b.data() + 943 + 32 * s, &simple, 4);
    }
    const QString path = Path(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(b);
    return path;
}

QByteArray WindowFixture::ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace kmr::ui::test
