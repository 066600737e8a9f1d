// One BCrypt hash object per call; both handles are released on every path.
#include "sha256.h"

#include <windows.h>
#include <bcrypt.h>

namespace audit {

namespace {

class Algorithm {
 public:
  Algorithm() {
    if (!BCRYPT_SUCCESS(
            BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
      handle_ = nullptr;
    }
  }
  ~Algorithm() {
    if (handle_) BCryptCloseAlgorithmProvider(handle_, 0);
  }
  Algorithm(const Algorithm&) = delete;
  Algorithm& operator=(const Algorithm&) = delete;
  BCRYPT_ALG_HANDLE Get() const { return handle_; }

 private:
  BCRYPT_ALG_HANDLE handle_ = nullptr;
};

class Hash {
 public:
  explicit Hash(BCRYPT_ALG_HANDLE algorithm) {
    // With a null object buffer the provider allocates the hash object itself.
    if (!BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &handle_, nullptr, 0, nullptr, 0, 0))) {
      handle_ = nullptr;
    }
  }
  ~Hash() {
    if (handle_) BCryptDestroyHash(handle_);
  }
  Hash(const Hash&) = delete;
  Hash& operator=(const Hash&) = delete;
  BCRYPT_HASH_HANDLE Get() const { return handle_; }

 private:
  BCRYPT_HASH_HANDLE handle_ = nullptr;
};

// BCryptHashData takes at most a ULONG per call.
constexpr std::size_t kChunk = 1u << 30;

}  // namespace

bool Sha256(std::string_view input, Digest& digest) {
  const Algorithm algorithm;
  if (!algorithm.Get()) return false;
  const Hash hash(algorithm.Get());
  if (!hash.Get()) return false;
  std::size_t done = 0;
  while (done < input.size()) {
    const std::size_t part = input.size() - done < kChunk ? input.size() - done : kChunk;
    auto* bytes = reinterpret_cast<PUCHAR>(const_cast<char*>(input.data() + done));
    if (!BCRYPT_SUCCESS(BCryptHashData(hash.Get(), bytes, static_cast<ULONG>(part), 0))) {
      return false;
    }
    done += part;
  }
  return BCRYPT_SUCCESS(
      BCryptFinishHash(hash.Get(), digest.data(), static_cast<ULONG>(digest.size()), 0));
}

}  // namespace audit
