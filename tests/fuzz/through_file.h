#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Puts a fuzz input through the file-reading path the game uses: the bytes go to a regular
// file, which is read back with the reader's size cap and, once more, with a cap taken from
// the input; and a FIFO, a folder or /dev/zero (by the input's size) must be refused at once.
// Aborts when the reader returns anything but the file's bytes up to the cap. Returns what was
// read with a cap of maxBytes + 1, so the caller can refuse a file longer than maxBytes.
std::string ThroughFile(const std::uint8_t* data, std::size_t size, std::size_t maxBytes);
