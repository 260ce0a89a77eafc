#include "app/layout.h"

namespace {

const LayoutVariant fileA{
    180, {94, 483}, {96, 451}, {88, 90}, {241, 90}, 554, {121, 162, 203, 244}, 168,
    {546, 296}, {15, 503}, {8, 121, 509, 316}, false, {}, {}};
const LayoutVariant fileB{
    220, {422, 66}, {62, 64}, {53, 81}, {206, 81}, 576, {128, 169, 210, 251}, -1,
    {559, 294}, {15, 496}, {12, 89, -1, -1}, false, {}, {}};
const LayoutVariant dvdA{
    180, {94, 483}, {96, 429}, {90, 71}, {243, 71}, 554, {121, 162, 203, 244}, 168,
    {546, 296}, {15, 503}, {8, 121, 509, 298}, true, {90, 453, 177, 0}, {336, 453, 177, 0}};
const LayoutVariant dvdB{
    220, {82, 470}, {62, 64}, {53, 81}, {206, 81}, 576, {128, 169, 210, 251}, -1,
    {559, 294}, {15, 496}, {12, 89, -1, 333}, true, {400, 61, 148, 0}, {596, 61, 144, 0}};

} // namespace

const LayoutVariant &layoutVariantFor(RunMode mode, BrandVariant variant)
{
    if (mode == RunMode::File)
        return variant == BrandVariant::A ? fileA : fileB;
    return variant == BrandVariant::A ? dvdA : dvdB;
}
