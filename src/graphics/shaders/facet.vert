// Lit snake body. bary is each vertex's barycentric corner, used to darken
// the facet edges.
in vec3 position;
in vec3 normal;
in vec3 color;
in vec3 bary;

uniform mat4 proj;
#ifndef GLES2
uniform mat4 light_proj;
#endif

out vec3 fcolor;
out vec3 fnormal;
out vec3 fbary;
#ifndef GLES2
// Position in the shadow map's [0, 1] cube (light_proj is orthographic).
out vec4 light_coord;
#endif

void main() {
    gl_Position = proj * vec4(position, 1.0);
    fcolor = color;
    fnormal = normal;
    fbary = bary;
#ifndef GLES2
    light_coord = (light_proj * vec4(position, 1.0)) * 0.5 + 0.5;
#endif
}
