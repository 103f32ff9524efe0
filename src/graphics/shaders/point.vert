// Soft particles of the overworld plume. Every quad lies in the plane z = 3,
// above the map.
in vec2 position;
in float alpha;
in vec2 uv;
in vec3 color;

uniform mat4 proj;

out float falpha;
out vec2 fuv;
out vec3 fcolor;

void main() {
    gl_Position = proj * vec4(position.x, position.y, 3.0, 1.0);
    falpha = alpha;
    fuv = uv;
    fcolor = color;
}
