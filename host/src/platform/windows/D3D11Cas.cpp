#include "platform/windows/D3D11Cas.h"

#include <d3dcompiler.h>

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "logging/Log.h"

namespace parvalon::host::platform::win32 {

using Microsoft::WRL::ComPtr;

namespace {

constexpr DXGI_FORMAT kFormat = DXGI_FORMAT_B8G8R8A8_UNORM;
constexpr UINT kVertexStride = 16;  // two floats of position, two of texture coordinate
constexpr UINT kVertexCount = 4;

// The constant buffer CASParams (b0): 16 bytes.
struct CasParams {
  float sharpness;
  float texelSizeX;
  float texelSizeY;
  float padding;
};
static_assert(sizeof(CasParams) == 16);

// A triangle strip over the whole viewport; texture coordinate v = 0 is the top row.
constexpr float kQuad[kVertexCount * 4] = {
    -1.0f, 1.0f,  0.0f, 0.0f,  //
    1.0f,  1.0f,  1.0f, 0.0f,  //
    -1.0f, -1.0f, 0.0f, 1.0f,  //
    1.0f,  -1.0f, 1.0f, 1.0f,
};

constexpr std::string_view kVertexShader = R"(
struct VSInput { float2 position : POSITION; float2 uv : TEXCOORD0; };
struct VSOutput { float4 position : SV_POSITION; float2 uv : TEXCOORD0; };
VSOutput main(VSInput input) {
  VSOutput output;
  output.position = float4(input.position.x, input.position.y, 0.0, 1.0);
  output.uv = input.uv;
  return output;
}
)";

// Written for every compiler and driver this runs on: the reciprocal as a division (ps_4_0 has
// no rcp), and the weight -1 / (rsqrt(amp) × peak) as the equal -sqrt(amp) / peak with sqrt as
// pow(amp, 0.5), since wine's compiler knows neither rsqrt nor sqrt, and pow(0, -0.5) is
// undefined on OpenGL drivers (llvmpipe gives NaN) where the filter needs the weight 0. A black
// neighbourhood (mx = 0) would make 0 × infinity, which Direct3D saturates to 0 but other
// drivers keep as NaN; mx is at least 1/255 otherwise, so bounding the divisor below that gives
// Direct3D's result everywhere.
constexpr std::string_view kPixelShader = R"(
cbuffer CASParams : register(b0) {
  float sharpness;
  float texelSizeX;
  float texelSizeY;
  float padding;
};
Texture2D inputTex : register(t0);
SamplerState linearSampler : register(s0);

float4 main(float4 position : SV_POSITION, float2 uv : TEXCOORD0) : SV_Target {
  float tx = texelSizeX;
  float ty = texelSizeY;
  float3 a = inputTex.Sample(linearSampler, uv + float2(-tx, -ty)).rgb;
  float3 b = inputTex.Sample(linearSampler, uv + float2(0.0, -ty)).rgb;
  float3 c = inputTex.Sample(linearSampler, uv + float2(tx, -ty)).rgb;
  float3 d = inputTex.Sample(linearSampler, uv + float2(-tx, 0.0)).rgb;
  float3 e = inputTex.Sample(linearSampler, uv).rgb;
  float3 f = inputTex.Sample(linearSampler, uv + float2(tx, 0.0)).rgb;
  float3 g = inputTex.Sample(linearSampler, uv + float2(-tx, ty)).rgb;
  float3 h = inputTex.Sample(linearSampler, uv + float2(0.0, ty)).rgb;
  float3 i = inputTex.Sample(linearSampler, uv + float2(tx, ty)).rgb;

  float3 m1 = min(min(min(d, e), min(f, b)), h);
  float3 mn = m1 + min(m1, min(min(a, c), min(g, i)));
  float3 M1 = max(max(max(d, e), max(f, b)), h);
  float3 mx = M1 + max(M1, max(max(a, c), max(g, i)));

  float3 amp = saturate(min(mn, 2.0 - mx) * (1.0 / max(mx, 1.0e-6)));
  float peak = 8.0 - 3.0 * sharpness;
  float3 w = -pow(amp, 0.5) / peak;
  float3 r = 1.0 / (1.0 + 4.0 * w);
  float3 colour = saturate((b * w + d * w + f * w + h * w + e) * r);
  return float4(colour, 1.0);
}
)";

// HRESULTs print as the unsigned code ("0x80070057"), not as a negative long.
std::uint32_t code(HRESULT hr) { return static_cast<std::uint32_t>(hr); }

// D3DCompile from the system's compiler library, looked up once. Loaded at run time so that a
// system without it still streams, unsharpened, instead of failing to start.
pD3DCompile compiler() {
  static const pD3DCompile compile = [] {
    HMODULE module = LoadLibraryW(L"d3dcompiler_47.dll");
    if (module == nullptr) return pD3DCompile{nullptr};
    // Through void*: FARPROC's own signature says nothing about the function.
    return reinterpret_cast<pD3DCompile>(reinterpret_cast<void*>(GetProcAddress(module, "D3DCompile")));
  }();
  return compile;
}

// The compiler's message text, or empty when it gave none.
std::string_view messageOf(ID3DBlob* errors) {
  if (errors == nullptr || errors->GetBufferSize() == 0) return {};
  std::string_view text(static_cast<const char*>(errors->GetBufferPointer()), errors->GetBufferSize());
  while (!text.empty() && (text.back() == '\0' || text.back() == '\n')) text.remove_suffix(1);
  return text;
}

// Compiles `source`; on failure `errors` holds the compiler's message, if it gave one.
HRESULT compile(std::string_view source, const char* name, const char* target, ComPtr<ID3DBlob>& bytecode,
                ComPtr<ID3DBlob>& errors) {
  const pD3DCompile compileFunction = compiler();
  if (compileFunction == nullptr) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  return compileFunction(source.data(), source.size(), name, nullptr, nullptr, "main", target,
                         D3DCOMPILE_OPTIMIZATION_LEVEL3, 0, bytecode.GetAddressOf(), errors.GetAddressOf());
}

// The size and bind flags of a texture.
D3D11_TEXTURE2D_DESC describe(ID3D11Texture2D* texture) {
  D3D11_TEXTURE2D_DESC desc{};
  texture->GetDesc(&desc);
  return desc;
}

}  // namespace

bool D3D11Cas::initialize(ID3D11Device* device) {
  if (device == nullptr) {
    PV_LOG_ERROR("CASProcessor: No device provided");
    return false;
  }
  if (!compileShaders(device)) return false;

  D3D11_BUFFER_DESC constants{};
  constants.ByteWidth = sizeof(CasParams);
  constants.Usage = D3D11_USAGE_DYNAMIC;
  constants.BindFlags = D3D11_BIND_CONSTANT_BUFFER;
  constants.CPUAccessFlags = D3D11_CPU_ACCESS_WRITE;
  HRESULT hr = device->CreateBuffer(&constants, nullptr, constantBuffer_.ReleaseAndGetAddressOf());
  if (FAILED(hr)) {
    PV_LOG_ERROR("CASProcessor: Failed to create constant buffer: {:#x}", code(hr));
    return false;
  }

  D3D11_SAMPLER_DESC sampler{};
  sampler.Filter = D3D11_FILTER_MIN_MAG_MIP_LINEAR;
  sampler.AddressU = D3D11_TEXTURE_ADDRESS_CLAMP;
  sampler.AddressV = D3D11_TEXTURE_ADDRESS_CLAMP;
  sampler.AddressW = D3D11_TEXTURE_ADDRESS_CLAMP;
  sampler.MaxLOD = D3D11_FLOAT32_MAX;
  hr = device->CreateSamplerState(&sampler, sampler_.ReleaseAndGetAddressOf());
  if (FAILED(hr)) {
    PV_LOG_ERROR("CASProcessor: Failed to create sampler: {:#x}", code(hr));
    return false;
  }

  // Not checked: a failure in any of these three leaves a null state, and binding null selects
  // the default state, which is what they describe.
  // Blending off, stencil off: the operations named anyway are the defaults, since a zero
  // value is not a valid one and the runtime checks them.
  D3D11_BLEND_DESC blend{};
  blend.RenderTarget[0].SrcBlend = D3D11_BLEND_ONE;
  blend.RenderTarget[0].DestBlend = D3D11_BLEND_ZERO;
  blend.RenderTarget[0].BlendOp = D3D11_BLEND_OP_ADD;
  blend.RenderTarget[0].SrcBlendAlpha = D3D11_BLEND_ONE;
  blend.RenderTarget[0].DestBlendAlpha = D3D11_BLEND_ZERO;
  blend.RenderTarget[0].BlendOpAlpha = D3D11_BLEND_OP_ADD;
  blend.RenderTarget[0].RenderTargetWriteMask = D3D11_COLOR_WRITE_ENABLE_ALL;
  device->CreateBlendState(&blend, blendState_.ReleaseAndGetAddressOf());
  D3D11_RASTERIZER_DESC rasterizer{};
  rasterizer.FillMode = D3D11_FILL_SOLID;
  rasterizer.CullMode = D3D11_CULL_NONE;
  device->CreateRasterizerState(&rasterizer, rasterizerState_.ReleaseAndGetAddressOf());
  D3D11_DEPTH_STENCIL_DESC depthStencil{};
  depthStencil.DepthWriteMask = D3D11_DEPTH_WRITE_MASK_ZERO;
  depthStencil.DepthFunc = D3D11_COMPARISON_ALWAYS;
  depthStencil.StencilReadMask = D3D11_DEFAULT_STENCIL_READ_MASK;
  depthStencil.StencilWriteMask = D3D11_DEFAULT_STENCIL_WRITE_MASK;
  for (D3D11_DEPTH_STENCILOP_DESC* face : {&depthStencil.FrontFace, &depthStencil.BackFace}) {
    face->StencilFailOp = D3D11_STENCIL_OP_KEEP;
    face->StencilDepthFailOp = D3D11_STENCIL_OP_KEEP;
    face->StencilPassOp = D3D11_STENCIL_OP_KEEP;
    face->StencilFunc = D3D11_COMPARISON_ALWAYS;
  }
  device->CreateDepthStencilState(&depthStencil, depthStencilState_.ReleaseAndGetAddressOf());

  D3D11_BUFFER_DESC vertices{};
  vertices.ByteWidth = sizeof(kQuad);
  vertices.Usage = D3D11_USAGE_IMMUTABLE;
  vertices.BindFlags = D3D11_BIND_VERTEX_BUFFER;
  const D3D11_SUBRESOURCE_DATA quad{kQuad, 0, 0};
  hr = device->CreateBuffer(&vertices, &quad, vertexBuffer_.ReleaseAndGetAddressOf());
  if (FAILED(hr)) {
    PV_LOG_ERROR("CASProcessor: Failed to create vertex buffer: {:#x}", code(hr));
    return false;
  }
  initialized_ = true;
  return true;
}

bool D3D11Cas::compileShaders(ID3D11Device* device) {
  ComPtr<ID3DBlob> vertexCode;
  ComPtr<ID3DBlob> errors;
  if (FAILED(compile(kVertexShader, "CAS_VS", "vs_4_0", vertexCode, errors))) {
    if (const auto message = messageOf(errors.Get()); !message.empty()) {
      PV_LOG_ERROR("CASProcessor: VS compile error: {}", message);
    }
    return false;
  }
  HRESULT hr = device->CreateVertexShader(vertexCode->GetBufferPointer(), vertexCode->GetBufferSize(), nullptr,
                                          vertexShader_.ReleaseAndGetAddressOf());
  if (FAILED(hr)) {
    PV_LOG_ERROR("CASProcessor: Failed to create vertex shader: {:#x}", code(hr));
    return false;
  }
  const D3D11_INPUT_ELEMENT_DESC layout[] = {
      {"POSITION", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 0, D3D11_INPUT_PER_VERTEX_DATA, 0},
      {"TEXCOORD", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 8, D3D11_INPUT_PER_VERTEX_DATA, 0},
  };
  hr = device->CreateInputLayout(layout, static_cast<UINT>(std::size(layout)), vertexCode->GetBufferPointer(),
                                 vertexCode->GetBufferSize(), inputLayout_.ReleaseAndGetAddressOf());
  if (FAILED(hr)) {
    PV_LOG_ERROR("CASProcessor: Failed to create input layout: {:#x}", code(hr));
    return false;
  }

  ComPtr<ID3DBlob> pixelCode;
  errors.Reset();
  if (FAILED(compile(kPixelShader, "CAS_PS", "ps_4_0", pixelCode, errors))) {
    if (const auto message = messageOf(errors.Get()); !message.empty()) {
      PV_LOG_ERROR("CASProcessor: PS compile error: {}", message);
    }
    return false;
  }
  hr = device->CreatePixelShader(pixelCode->GetBufferPointer(), pixelCode->GetBufferSize(), nullptr,
                                 pixelShader_.ReleaseAndGetAddressOf());
  if (FAILED(hr)) {
    PV_LOG_ERROR("CASProcessor: Failed to create pixel shader: {:#x}", code(hr));
    return false;
  }
  return true;
}

ID3D11Texture2D* D3D11Cas::sampledInput(ID3D11Device* device, ID3D11DeviceContext* context, ID3D11Texture2D* input,
                                        std::uint32_t width, std::uint32_t height) {
  const D3D11_TEXTURE2D_DESC desc = describe(input);
  if (desc.Width < width || desc.Height < height) {
    PV_LOG_WARN("CASProcessor: Failed to create input SRV: {:#x}", code(E_INVALIDARG));
    return nullptr;
  }
  const bool direct = desc.Width == width && desc.Height == height && desc.SampleDesc.Count == 1 &&
                      (desc.BindFlags & D3D11_BIND_SHADER_RESOURCE) != 0;
  if (direct) return input;
  // A frame pool larger than the window, or a texture made only for copying: the pass samples a
  // copy of the region, so its texel grid and edge clamp are the region's.
  if (!source_ || describe(source_.Get()).Width != width || describe(source_.Get()).Height != height) {
    D3D11_TEXTURE2D_DESC copy{};
    copy.Width = width;
    copy.Height = height;
    copy.MipLevels = 1;
    copy.ArraySize = 1;
    copy.Format = desc.Format;
    copy.SampleDesc.Count = 1;
    copy.Usage = D3D11_USAGE_DEFAULT;
    copy.BindFlags = D3D11_BIND_SHADER_RESOURCE;
    source_.Reset();
    const HRESULT hr = device->CreateTexture2D(&copy, nullptr, source_.GetAddressOf());
    if (FAILED(hr)) {
      PV_LOG_WARN("CASProcessor: Failed to create input SRV: {:#x}", code(hr));
      return nullptr;
    }
  }
  const D3D11_BOX box{0, 0, 0, width, height, 1};
  context->CopySubresourceRegion(source_.Get(), 0, 0, 0, 0, input, 0, &box);
  return source_.Get();
}

bool D3D11Cas::apply(ID3D11DeviceContext* context, ID3D11Texture2D* input, ID3D11Texture2D* output,
                     std::uint32_t width, std::uint32_t height, float sharpness) {
  if (!initialized_ || context == nullptr || input == nullptr || output == nullptr || width == 0 || height == 0) {
    return false;
  }
  ComPtr<ID3D11Device> device;
  context->GetDevice(device.GetAddressOf());

  ID3D11Texture2D* sampled = sampledInput(device.Get(), context, input, width, height);
  if (sampled == nullptr) return false;
  D3D11_SHADER_RESOURCE_VIEW_DESC inputView{};
  inputView.Format = kFormat;
  inputView.ViewDimension = D3D11_SRV_DIMENSION_TEXTURE2D;
  inputView.Texture2D.MostDetailedMip = 0;
  inputView.Texture2D.MipLevels = 1;
  ComPtr<ID3D11ShaderResourceView> source;
  HRESULT hr = device->CreateShaderResourceView(sampled, &inputView, source.GetAddressOf());
  if (FAILED(hr)) {
    PV_LOG_WARN("CASProcessor: Failed to create input SRV: {:#x}", code(hr));
    return false;
  }

  const D3D11_TEXTURE2D_DESC outputDesc = describe(output);
  if (outputDesc.Width < width || outputDesc.Height < height) {
    PV_LOG_WARN("CASProcessor: Failed to create output RTV: {:#x}", code(E_INVALIDARG));
    return false;
  }
  D3D11_RENDER_TARGET_VIEW_DESC outputView{};
  outputView.Format = kFormat;
  outputView.ViewDimension = D3D11_RTV_DIMENSION_TEXTURE2D;
  outputView.Texture2D.MipSlice = 0;
  ComPtr<ID3D11RenderTargetView> target;
  hr = device->CreateRenderTargetView(output, &outputView, target.GetAddressOf());
  if (FAILED(hr)) {
    PV_LOG_WARN("CASProcessor: Failed to create output RTV: {:#x}", code(hr));
    return false;
  }

  // A failed map leaves last frame's parameters in place; the pass still runs.
  D3D11_MAPPED_SUBRESOURCE mapped{};
  if (SUCCEEDED(context->Map(constantBuffer_.Get(), 0, D3D11_MAP_WRITE_DISCARD, 0, &mapped))) {
    const CasParams params{sharpness, 1.0f / static_cast<float>(width), 1.0f / static_cast<float>(height), 0.0f};
    std::memcpy(mapped.pData, &params, sizeof params);
    context->Unmap(constantBuffer_.Get(), 0);
  }

  // What the context's other users had bound, put back after the draw.
  ComPtr<ID3D11RenderTargetView> savedTarget;
  ComPtr<ID3D11DepthStencilView> savedDepth;
  context->OMGetRenderTargets(1, savedTarget.GetAddressOf(), savedDepth.GetAddressOf());
  UINT viewportCount = 1;
  D3D11_VIEWPORT savedViewport{};
  context->RSGetViewports(&viewportCount, &savedViewport);

  const UINT stride = kVertexStride;
  const UINT offset = 0;
  context->IASetInputLayout(inputLayout_.Get());
  context->IASetPrimitiveTopology(D3D11_PRIMITIVE_TOPOLOGY_TRIANGLESTRIP);
  context->IASetVertexBuffers(0, 1, vertexBuffer_.GetAddressOf(), &stride, &offset);
  context->VSSetShader(vertexShader_.Get(), nullptr, 0);
  context->PSSetShader(pixelShader_.Get(), nullptr, 0);
  context->PSSetConstantBuffers(0, 1, constantBuffer_.GetAddressOf());
  context->PSSetShaderResources(0, 1, source.GetAddressOf());
  context->PSSetSamplers(0, 1, sampler_.GetAddressOf());
  context->OMSetBlendState(blendState_.Get(), nullptr, 0xFFFFFFFFu);
  context->OMSetDepthStencilState(depthStencilState_.Get(), 0);
  context->RSSetState(rasterizerState_.Get());
  ID3D11RenderTargetView* const targets[] = {target.Get()};
  context->OMSetRenderTargets(1, targets, nullptr);
  const D3D11_VIEWPORT viewport{0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height), 0.0f, 1.0f};
  context->RSSetViewports(1, &viewport);

  context->Draw(kVertexCount, 0);

  // The input must not stay bound as a shader resource: the capture writes it next.
  ID3D11ShaderResourceView* const none[] = {nullptr};
  context->PSSetShaderResources(0, 1, none);
  ID3D11RenderTargetView* const restored[] = {savedTarget.Get()};
  context->OMSetRenderTargets(1, restored, savedDepth.Get());
  context->RSSetViewports(viewportCount, viewportCount != 0 ? &savedViewport : nullptr);
  return true;
}

}  // namespace parvalon::host::platform::win32
