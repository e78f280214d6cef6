#pragma once

// The failures of loading a WAV file, thrown by value, one per check.
namespace WaveErrors {
class FileOperation {};
class RiffDoesntMatch {};
class WaveDoesntMatch {};
class FmtDoesntMatch {};
class DataDoesntMatch {};
} // namespace WaveErrors
