#pragma once

#include <QApplication>
#include <QFile>
#include <QString>

#include <string>

// Small tapes for the window tests, built byte by byte.
namespace murax::testing {

inline std::string framedBlock(const std::string& block)
{
    const auto n = block.size();
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)} + block;
}

// A standard header (type 3, "bytes") and its data block: one header entry.
inline std::string headerEntry(const std::string& name, std::size_t dataLength = 4)
{
    std::string header(19, '\0');
    header[1] = 3;
    std::string padded = name;
    padded.resize(10, ' ');
    header.replace(2, 10, padded);
    header[12] = static_cast<char>(dataLength & 0xFF);
    header[13] = static_cast<char>(dataLength >> 8);
    return framedBlock(header) + framedBlock("\xFF" + std::string(dataLength, 'd') + "c");
}

// A lone data block: one data entry.
inline std::string dataEntry(std::size_t payload)
{
    return framedBlock("\xFF" + std::string(payload, 'p') + "c");
}

inline bool writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes.data(), static_cast<qint64>(bytes.size()))
           == static_cast<qint64>(bytes.size());
}

}  // namespace murax::testing
