// libFuzzer entry: the input is read as a skin package (and its options member, if any)
// and, on its own, as an options text. Only the reader's own errors may come out.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/acOptionsText.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/acSkinHost.h"
#include "skin/data/acSkinIni.h"
#include "skin/data/acSkinPackage.h"
#include "tests/skin/support/SkinDataExerciseTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skin;
  const std::span<const std::uint8_t> bytes(data, size);
  const int ppi = size == 0 ? 96 : acScalePPI[data[size - 1] % acScaleCount];

  TacRecordedMessages quiet;
  TacScopedMessageSink sink(quiet);
  TacSkinConvertor sc;
  sc.PackedData = bytes;
  try {
    ReadSkinPackage(sc, NoManagerHost());
  } catch (const EReadError&) {
  } catch (const EZDecompressionError&) {
  }
  TacSkinIni ini;
  if (sc.Options) {
    LoadOptionsText(ini, *sc.Options);
    test::ExerciseOptions(ini, ppi);
  }
  LoadOptionsText(ini, bytes);
  test::ExerciseOptions(ini, ppi);
  return 0;
}
