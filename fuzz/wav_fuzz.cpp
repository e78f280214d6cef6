// WAV files of any bytes: loading either succeeds or throws one of the WaveErrors, and whatever
// loads is measured without reading past the file.
#include "MemoryFile.h"
#include "audio/CWaveFileView.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MemoryFile file(data, size);
    CWaveFileView view;
    try {
        view.Load(file.Path());
    } catch (const WaveErrors::FileOperation&) {
        return 0;
    } catch (const WaveErrors::RiffDoesntMatch&) {
        return 0;
    } catch (const WaveErrors::WaveDoesntMatch&) {
        return 0;
    } catch (const WaveErrors::FmtDoesntMatch&) {
        return 0;
    } catch (const WaveErrors::DataDoesntMatch&) {
        return 0;
    }
    if (!view.IsLoaded() || view.SampleByteCount() > size)
        std::abort();
    long sum = 0;
    for (std::size_t i = 0; i < view.SampleCount(); ++i)
        sum += view.Sample(i);
    const double voiced = view.VoicedDuration(2000);
    if (voiced < 0 || voiced > view.StoredVoicedDuration() + 1e-9)
        std::abort();
    (void)view.Format();
    (void)view.DataChunk();
    (void)SoundLengthSeconds(file.Path());
    return sum == 0x7fffffff ? 1 : 0;
}
