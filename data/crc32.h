#pragma once
#include <QByteArray>
#include <cstdint>

// CRC-32 with the standard reflected polynomial, initial value all ones, final complement.
uint32_t Crc32(const QByteArray &bytes, uint32_t crc = 0);
