// Lit mesh with a procedural two-colour pattern (scenery, overworld).
in vec3 position;
in vec3 normal;
in vec3 color1;
#ifndef GLES2
in vec3 color2;
in vec2 uv;
in float pattern;
#endif

uniform mat4 proj;
#ifndef GLES2
uniform mat4 light_proj;
#endif

out vec3 fcolor1;
out vec3 fnormal;
#ifndef GLES2
out vec3 fcolor2;
out vec2 fuv;
out float fpattern;
// Position in the shadow map's [0, 1] cube (light_proj is orthographic).
out vec4 light_coord;
#endif

void main() {
    gl_Position = proj * vec4(position, 1.0);
    fcolor1 = color1;
    fnormal = normal;
#ifndef GLES2
    fcolor2 = color2;
    fuv = uv;
    fpattern = pattern;
    light_coord = (light_proj * vec4(position, 1.0)) * 0.5 + 0.5;
#endif
}
