#pragma once

#include <d3d11.h>
#include <wrl/client.h>

#include <cstdint>

namespace parvalon::host::platform::win32 {

// The sharpening pass on Direct3D 11: contrast-adaptive sharpening as one draw of a full-screen
// quad whose pixel shader reads the captured texture and writes the sharpened copy. Its shaders
// are HLSL text compiled with D3DCompile by initialize, so the program carries no bytecode.
//
// Not thread-safe: the owner calls apply with the immediate context's lock held.
class D3D11Cas {
 public:
  // Compiles the shaders and makes the buffers and states; false after an error line that says
  // which step failed. Whatever was made stays; apply refuses until a call succeeded.
  bool initialize(ID3D11Device* device);
  bool isInitialized() const { return initialized_; }

  // Sharpens the width × height top-left region of `input` into the same region of `output` at
  // `sharpness` in [0, 1], alpha 1; the rest of `output` keeps its contents. Both textures are
  // B8G8R8A8; `output` must be a render target at least width × height. An input that is larger
  // than the region, or not a shader resource, is first copied into a texture of the region's
  // size, so the pass samples exactly that region, clamped at its edges. The render target,
  // depth-stencil view and viewport bound before are restored. False (with a warning) when the
  // pass is not ready or a view cannot be made.
  bool apply(ID3D11DeviceContext* context, ID3D11Texture2D* input, ID3D11Texture2D* output, std::uint32_t width,
             std::uint32_t height, float sharpness);

 private:
  bool compileShaders(ID3D11Device* device);
  // `input` itself, or a copy of its region in source_ when the pass cannot sample it directly;
  // null after a warning.
  ID3D11Texture2D* sampledInput(ID3D11Device* device, ID3D11DeviceContext* context, ID3D11Texture2D* input,
                                std::uint32_t width, std::uint32_t height);

  Microsoft::WRL::ComPtr<ID3D11VertexShader> vertexShader_;
  Microsoft::WRL::ComPtr<ID3D11PixelShader> pixelShader_;
  Microsoft::WRL::ComPtr<ID3D11InputLayout> inputLayout_;
  Microsoft::WRL::ComPtr<ID3D11Buffer> vertexBuffer_;
  Microsoft::WRL::ComPtr<ID3D11Buffer> constantBuffer_;
  Microsoft::WRL::ComPtr<ID3D11SamplerState> sampler_;
  Microsoft::WRL::ComPtr<ID3D11BlendState> blendState_;
  Microsoft::WRL::ComPtr<ID3D11RasterizerState> rasterizerState_;
  Microsoft::WRL::ComPtr<ID3D11DepthStencilState> depthStencilState_;
  // Region-sized copy of an input the pass cannot sample directly; remade when the size changes.
  Microsoft::WRL::ComPtr<ID3D11Texture2D> source_;
  bool initialized_ = false;
};

}  // namespace parvalon::host::platform::win32
