// Lit mesh: plain-coloured geometry (floor, walls, items, targets).
in vec3 position;
in vec3 normal;
in vec3 color1;

uniform mat4 proj;
#ifndef GLES2
uniform mat4 light_proj;
#endif

out vec3 fcolor1;
out vec3 fnormal;
#ifndef GLES2
// Position in the shadow map's [0, 1] cube. light_proj is orthographic, so no
// perspective divide is needed.
out vec4 light_coord;
#endif

void main() {
    gl_Position = proj * vec4(position, 1.0);
    fcolor1 = color1;
    fnormal = normal;
#ifndef GLES2
    light_coord = (light_proj * vec4(position, 1.0)) * 0.5 + 0.5;
#endif
}
