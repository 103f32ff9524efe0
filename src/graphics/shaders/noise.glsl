// Procedural noise without lookup textures, appended to fragment sources that
// use it. Both functions hash lattice points with the permutation polynomial
// (34x + 1)x mod 289, after the published array- and texture-free GLSL
// formulations of simplex noise (McEwan, Sheets, Gustavson, Richardson, 2012)
// and cellular noise (Gustavson, 2011). Written for this game.
#ifndef GLES2

vec2 noise_mod289(vec2 x) {
    return x - floor(x * (1.0 / 289.0)) * 289.0;
}

vec3 noise_mod289(vec3 x) {
    return x - floor(x * (1.0 / 289.0)) * 289.0;
}

vec3 noise_mod7(vec3 x) {
    return x - floor(x * (1.0 / 7.0)) * 7.0;
}

// A permutation of 0..288 that needs no table.
vec3 noise_permute(vec3 x) {
    return noise_mod289((34.0 * x + 1.0) * x);
}

// 2D simplex noise, roughly in [-1, 1].
float snoise(vec2 v) {
    // Skewing to the triangle lattice and back: (sqrt(3) - 1) / 2 and (3 - sqrt(3)) / 6.
    const float SKEW = 0.366025403784439;
    const float UNSKEW = 0.211324865405187;

    // Lattice cell containing v, and v's offset from its first corner.
    vec2 cell = floor(v + dot(v, vec2(SKEW)));
    vec2 offset0 = v - cell + dot(cell, vec2(UNSKEW));

    // The middle corner depends on which half of the skewed square v is in.
    vec2 middle = offset0.x > offset0.y ? vec2(1.0, 0.0) : vec2(0.0, 1.0);
    vec2 offset1 = offset0 - middle + UNSKEW;
    vec2 offset2 = offset0 - 1.0 + 2.0 * UNSKEW;

    // One hash per corner.
    cell = noise_mod289(cell);
    vec3 hash = noise_permute(noise_permute(cell.y + vec3(0.0, middle.y, 1.0)) + cell.x +
                              vec3(0.0, middle.x, 1.0));

    // Each corner's contribution falls off as (0.5 - r^2)^4.
    vec3 weight = max(0.5 - vec3(dot(offset0, offset0), dot(offset1, offset1),
                                 dot(offset2, offset2)),
                      0.0);
    weight = weight * weight;
    weight = weight * weight;

    // 41 gradients spread over the edge of a diamond: x runs along [-1, 1],
    // |x| + |y| = 1 after the shift by half below.
    vec3 along = 2.0 * fract(hash * (1.0 / 41.0)) - 1.0;
    vec3 grad_y = abs(along) - 0.5;
    vec3 grad_x = along - floor(along + 0.5);

    // Normalise the gradients through the weights (first-order 1/sqrt).
    weight *= 1.79284291400159 - 0.85373472095314 * (grad_x * grad_x + grad_y * grad_y);

    vec3 ramp = vec3(dot(vec2(grad_x.x, grad_y.x), offset0), dot(vec2(grad_x.y, grad_y.y), offset1),
                     dot(vec2(grad_x.z, grad_y.z), offset2));
    return 130.0 * dot(weight, ramp);
}

// Squared distances from the point (at fraction `inside` of its cell) to the
// feature points of the three cells in one column of the 3 x 3 neighbourhood.
// `column` is -1, 0 or 1; `column_hash` is that column's permuted x.
vec3 cellular_column(float column_hash, float column, float cell_y, vec2 inside) {
    const float K = 1.0 / 7.0;
    const float KO = 3.0 / 7.0;
    const float JITTER = 1.0;
    vec3 hash = noise_permute(column_hash + cell_y + vec3(-1.0, 0.0, 1.0));
    // Feature point offsets within their cells, from two digits base 7 of the hash.
    vec3 jitter_x = fract(hash * K) - KO;
    vec3 jitter_y = noise_mod7(floor(hash * K)) * K - KO;
    vec3 dx = inside.x - (column + 0.5) + JITTER * jitter_x;
    vec3 dy = inside.y - vec3(-0.5, 0.5, 1.5) + JITTER * jitter_y;
    return dx * dx + dy * dy;
}

// Keeps the two smallest values seen so far, smallest first.
vec2 two_smallest(vec2 best, vec3 values) {
    best.y = min(best.y, max(best.x, values.x));
    best.x = min(best.x, values.x);
    best.y = min(best.y, max(best.x, values.y));
    best.x = min(best.x, values.y);
    best.y = min(best.y, max(best.x, values.z));
    best.x = min(best.x, values.z);
    return best;
}

// 2D cellular noise: distances to the nearest (F1) and second nearest (F2)
// feature points, one jittered point per unit cell.
vec2 cellular(vec2 P) {
    vec2 cell = noise_mod289(floor(P));
    vec2 inside = fract(P);
    vec3 column_hash = noise_permute(cell.x + vec3(-1.0, 0.0, 1.0));
    vec2 best = vec2(1.0e4);
    best = two_smallest(best, cellular_column(column_hash.x, -1.0, cell.y, inside));
    best = two_smallest(best, cellular_column(column_hash.y, 0.0, cell.y, inside));
    best = two_smallest(best, cellular_column(column_hash.z, 1.0, cell.y, inside));
    return sqrt(best);
}

#endif
