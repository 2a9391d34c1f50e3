#include "qt/qt_hasher.h"

#include <QCryptographicHash>

namespace pw {

std::string QtHasher::Sha256Hex(std::string_view bytes) {
    return QCryptographicHash::hash(
               QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
               QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

} // namespace pw
