#include "report/stem_report.h"

#include <cmath>
#include <string>

#include "engine/load_items.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

std::string fmt(std::string_view picture, double value) {
  return formatNumber(picture, value);
}

// "(＞σca=...)" or "(≦σca=...)" after a stress, by its comparison.
std::string bound(double value, double allowed, const char* name, const char* unit = "N/mm2") {
  std::string pic = std::string(value > allowed ? " (＞" : " (≦") + name + "=0.00" + unit + ")";
  return fmt(pic, allowed);
}

void writeLoadStatement(ListBox& box, const TAntei& s) {
  const bool water = s.waterOn != 0;
  if (s.loadCase == 0) {
    appendLine(box, "  部材設計において考慮する荷重は、常時");
    appendLine(box,
               water ? "  主働土圧の水平分力、及び水圧とする。" : "  主働土圧の水平分力とする。");
  } else {
    appendLine(box, "  部材設計において考慮する荷重は、地震時主働土圧");
    const bool inertia = s.seismicCombination == 1 || s.seismicCombination == 2;
    appendLine(box, std::string("  の水平分力と") + (inertia ? "たて壁自重の地震時慣性力と" : "") +
                        (water ? "水圧とする。" : "する。"));
  }
  appendLine(box, "  鉛直分力及びたて壁自重は無視する。");
}

}  // namespace

void writeStemReport(ResultsWindow& results, const TAntei& s, const StemDesign& r) {
  const StemGeometry& g = r.geometry;
  const StemForces& f = r.fixedEnd;
  const double H = g.height;

  ListBox& a = results.listBox("ListBox8");
  a.lines.clear();
  appendLine(a, "1.たて壁の計算");
  appendLine(a, "    たて壁は、底版との結合部を固定端");
  appendLine(a, "  とする片持梁として設計する。");
  writeLoadStatement(a, s);
  appendLine(a, "(a)土圧の計算");
  appendLine(a, fmt("   たて壁の固定端(H=0.000m)における土圧を求める", H));
  appendLine(a, "   主働土圧合力(Pa)は、試行くさび法により求める。");
  appendLine(a, "   尚、土圧合力(Pa)は、壁面に直接作用させる。");
  appendBlank(a);
  if (s.loadCase == 0 || s.seismicCombination == 1) {
    appendLine(a, "       W･sin(ω-φ)-c･L･cosφ");
    appendLine(a, fmt("   Pa=------------------------     =0.00kN", r.wedgePa));
    appendLine(a, "         cos(ω-φ-α-δ)");
  } else {
    appendLine(a, "       W･secθsin(ω-φ+θ)-c･L･cosφ");
    appendLine(a, fmt("   Pa=-------------------------------=0.00kN", r.wedgePa));
    appendLine(a, "              cos(ω-φ-α-δ)");
    appendLine(
        a, fmt("   θ(地震合成角)  =Arctan(kh)     =0.00度", std::atan(s.kh) * kDegreesPerRadian));
  }
  appendLine(a, fmt("   Ph(水平土圧)    =Pa･cos(δ+α)  =0.00kN", f.earthH));
  appendLine(a, fmt("   Pv(鉛直土圧)    =Pa･sin(δ+α)  =0.00kN", r.wedgePv));
  appendLine(a, "                         Ph");
  appendLine(a, fmt("   Kh(水平土圧係数)=-------------  =0.000", r.wedgeKh));
  appendLine(a, "                     1/2･γs･H^2");
  appendLine(a, "                         Pv");
  appendLine(a, fmt("   Kv(鉛直土圧係数)=-------------  =0.000", r.wedgeKv));
  appendLine(a, "                     1/2･γs･H^2");
  appendLine(a, "   ここに");
  appendLine(a, fmt("     Ｗ(すべり土塊の重量)          =0.00kN", r.wedgeW));
  appendLine(a, fmt("     ω(すべり角)                  =0.00度", r.wedgeOmega * kDegreesPerRadian));
  appendLine(a, fmt("     φ(背面土剪断抵抗角)          =0.0度", s.phiBackfill * kDegreesPerRadian));
  appendLine(a, "     α(壁面が鉛直となす角)        =" +
                    fmt("0.00度;-0.00度", s.wallFaceAngle * kDegreesPerRadian));
  appendLine(a, fmt("     δ(壁面摩擦角)                =0.00度", r.wedgeDelta * kDegreesPerRadian));
  appendLine(a, fmt("     c (粘着力)                    =0.00kN/m2", s.cohesionBackfill));
  appendLine(a, fmt("     Ｌ(滑り面長)                  =0.000m", r.wedgeL));
  appendLine(a, fmt("     γs(土の単位重量)             =0.00kN/m3", s.gammaS));
  if (s.cohesionBackfill > 0) {
    appendLine(a, "              2･C     π   φ     Q");
    appendLine(a, fmt(" Zc(粘着高)=----･tan(---＋---) - --- =0.000m", r.wedgeZc));
    appendLine(a, "              γs      4    2    γs");
  }
  if (r.wedgeHc > 0) appendLine(a, fmt(" hc        =Cosα･Cosβ/Cos(α+β)･Zc=0.000m", r.wedgeHc));
  appendLine(a, r.pressure.method == 0 ? "(b)断面力(土圧)の計算[試行くさび法で計算]"
                                       : "(b)断面力(土圧)の計算[逆算土圧係数で計算]");
  appendLine(a, fmt("   たて壁の固定端(H=0.000m)における曲げ", H));
  appendLine(a, "   ﾓｰﾒﾝﾄ(M)及び剪断力(S)は、次式で求める。");
  appendLine(a, fmt("   M(曲げﾓｰﾒﾝﾄ)    =Ph･h           =0.00kN･m", f.earthMoment));
  appendLine(a, fmt("   S(剪断力)       =Ph             =0.00kN", f.earthH));
  appendLine(a, "   ここに");
  appendLine(a, fmt("     Ph(水平土圧)  =Pa･cos(δ+α)  =0.00kN", f.earthH));
  appendLine(a, fmt("     h (土圧作用点)                =0.000m", f.earthArm));

  ListBox& b = results.listBox("ListBox19");
  b.lines.clear();
  appendLine(b, "(c)断面力(地震慣性力)の計算");
  if (s.loadCase == 0) {
    appendLine(b, "   常時であり、地震慣性力はない。");
  } else if (s.seismicCombination == 1 || s.seismicCombination == 2) {
    appendLine(b, "   躯体重量は、座標法にて求める。");
    appendLine(b, "   地震慣性力は、次式にて求める。");
    appendBlank(b);
    appendLine(b, fmt("   Pv(躯体重量)         =0.00kN", f.weight));
    appendLine(b, fmt("   Ph(地震慣性力)=Pv･Kh =0.00kN", f.inertia));
    appendLine(b, fmt("   Mt(地震ﾓｰﾒﾝﾄ )=Ph･H  =0.00kN", f.inertiaMoment));
    appendLine(b, "   ここに");
    appendLine(b, fmt("     Kh(水平震度)       =0.00", s.khInertia));
    appendLine(b, fmt("     H (慣性力作用点)   =0.000m", f.inertiaArm));
  } else {
    appendLine(b, "   地震慣性力は、無視する。");
  }
  appendBlank(b);
  appendLine(b, "(d)断面力(水圧)の計算");
  if (f.waterDepth > 0) {
    appendLine(b, "   水圧は、次式にて求める。");
    appendBlank(b);
    appendLine(b, "                  Hw^2");
    appendLine(b, fmt("   Pwh(水圧)=γw･------ =0.00kN", f.waterH));
    appendLine(b, "                   2");
    appendBlank(b);
    appendLine(b, fmt("   Pwm(水圧ﾓｰﾒﾝﾄ )=Pwh･H=0.00kNm", f.waterMoment));
    appendBlank(b);
    appendLine(b, "   ここに");
    appendLine(b, fmt("     γw(水の単位重量)  =0.00kN/m3", s.gammaW));
    appendLine(b, fmt("     Hw (水深)          =0.000m", f.waterDepth));
    appendLine(b, fmt("     H  (作用点)=Hw/3   =0.000m", f.waterDepth / 3));
  } else {
    appendLine(b, "   水圧は無い。");
  }
  appendBlank(b);
  appendLine(b, "以下、同様に各高さの土圧、断面力");
  appendLine(b, "を求める。");
  appendBlank(b);
  appendLine(b, "計算結果を[表]に示す。");

  ListBox& c = results.listBox("ListBox14");
  c.lines.clear();
  const double sa = s.allowableSteelTension;
  appendLine(c, "(e)応力度計算");
  appendLine(c, "①必要鉄筋量の計算");
  appendLine(c, "　固定端における必要鉄筋量(As)は、次式で求める。");
  appendLine(c, "　　　　　M");
  appendLine(c, fmt("　As=---------------　　=0,0mm2", r.bars.requiredAs));
  appendLine(c, "　　 σsa･(d-x/3)");
  appendLine(c, "　ここに");
  appendLine(c, fmt("　　σsa(許容引張応力度)=0.00N/mm2", sa));
  appendLine(c, "　　xは、次式で求める");
  appendLine(c, "　　　　　　　　 6･M･15");
  appendLine(c, "　　x^3-3d･x^2-(--------)･(x-d)=0");
  appendLine(c, "　　　　　　　　 σsa･b");
  appendLine(c, fmt("　上記式を解いてx=0mmを得る。", r.bars.x));
  appendLine(c, fmt("　配筋は、鉄筋直径=D0mm", r.bars.diameter) +
                    fmt("、鉄筋ﾋﾟｯﾁ=@0mmとする。", r.bars.pitch));
  appendLine(c, fmt(r.bars.requiredAs > r.bars.providedAs
                        ? "　使用鉄筋量は、0,0mm2となり鉄筋量不足である。"
                        : "　使用鉄筋量は、0,0mm2となり必要鉄筋量を満足する。",
                    r.bars.providedAs));
  appendBlank(c);
  appendLine(c, "②実応力度の計算");
  appendLine(c, "　応力度は、次式で求める");
  appendLine(c, "　　　　　　　　　　　2･M");
  appendLine(c, fmt("　σc(圧縮応力度)=------------=0.00N/mm2", r.stresses.sigmaC) +
                    bound(r.stresses.sigmaC, s.allowableCompression, "σca"));
  appendLine(c, "　　　　　　　　　 b･x(d-x/3)");
  appendLine(c, "　　　　　　　　　　　　 d-x");
  appendLine(c, fmt("　σs(引張応力度)=n･σc･------=0.00N/mm2", r.stresses.sigmaS) +
                    bound(r.stresses.sigmaS, sa, "σsa"));
  appendLine(c, "　　　　　　　　　　　　　x");
  appendLine(c, "　　　　　　　　　　　　Sh");
  appendLine(c, fmt("　τm(平均剪断応力度)=-------=0.00N/mm2", r.shear.tau) +
                    bound(r.shear.tau, r.tauA, "τa"));
  appendLine(c, "　　　　　　　　　　　　b･d");
  appendLine(c, fmt("　τa(許容剪断応力度)=τa1･Ce･Cpt=0.00N/mm2", r.tauA));
  appendLine(c, "　ここに");
  appendLine(c, fmt("　　M(曲げﾓｰﾒﾝﾄ)　　 =0.00kN･m", f.moment));
  appendLine(c, "　　b(幅)　　　　　　=1,000mm");
  appendLine(c, fmt("　　d(部材厚-かぶり) =0,0mm", g.effectiveDepth(H) * 1000.0));
  appendLine(c, "　　　 15･As　　　　　　2b･d");
  appendLine(c, "　　x=-------･(-1+√(1+-------))" + fmt("=0mm", r.stresses.x));
  appendLine(c, "　　　　 b　　　　　　　15･As");
  appendLine(c, "　　　　　　　　　　　　　　　　　　　　M");
  appendLine(
      c, "　　Sh(有効高変化の影響考慮剪断力)=S－-----･(tanβ+tanγ)" + fmt("=0.00kN", r.shear.sh));
  appendLine(c, "　　　　　　　　　　　　　　　　　　　　d");
  appendLine(c, "　　　S　　(剪断力)　　　　　　　　　　　　　　　　　" + fmt("=0.00kN", f.shear));
  // The angles are shown with π taken as 3.14, as the report always has.
  appendLine(c, "　　　tanβ(部材圧縮縁の部材軸との角度)　　　　　　　" +
                    fmt("=0.00度", std::atan(g.tanBeta) / 3.14 * 180));
  appendLine(c, "　　　tanγ(引張り鋼材の部材軸との角度)　　　　　　　" +
                    fmt("=0.00度", std::atan(g.tanGamma) / 3.14 * 180));
  appendLine(c, "　　　τa1 (許容剪断応力度基準値)　　　　　　　　　　" +
                    fmt("=0.00N/mm2", s.allowableShearBase));
  appendLine(c, "　　　Ce　 (有効高dの補正係数：表から補間計算)　　　 " + fmt("=0.000", r.ce) +
                    " (0.5≦Ce ≦1.4)");
  appendLine(c,
             "　　　Pt　 (軸方向引張鉄筋比)　　　　　　　　　　　　" + fmt("=0.000%", r.pt * 100));
  appendLine(c, "　　　Cpt　(軸方向引張鉄筋比補正係数：表から補間計算)" + fmt("=0.000", r.cpt) +
                    " (0.7≦Cpt≦1.5)");
  appendLine(c, "　同様に各断面の計算を行う。");
  appendLine(c, "　計算結果を一覧表に示す。");
}

void writeAnchorageReport(ResultsWindow& results, const TAntei& s, const StemDesign& r) {
  const double H = r.geometry.height;
  const StemAnchorage& an = r.anchorage;
  ListBox& a = results.listBox("ListBox18");
  a.lines.clear();
  appendLine(a, "(f)主鉄筋の定着位置の計算");
  appendBlank(a);
  appendLine(a, "   たて壁の主鉄筋の定着位置の計算は、次の２ケース");
  appendLine(a, "   について行い両者の大きい方を採用する。");
  appendLine(a, "   ①必要鉄筋量がたて壁付け根の配筋量(As)の1/2となる");
  appendLine(a, "     位置(L1)に定着長(35φ)を加えた長さ→L1+35φ");
  appendBlank(a);
  appendLine(a, "   ②鉄筋の曲げ引張り応力度が、許容曲げ引張り応力度");
  appendLine(a, "     の1/2となる位置。→L2");
  appendLine(a, "     (配筋量はたて壁付け根配筋量(As)の1/2とする)");
  appendBlank(a);
  appendLine(a, "   それぞれの長さの計算式を、次に示す。");
  appendLine(a, "   (a)ケース① (L1の計算)：図参照");
  appendLine(a, "       As        My");
  appendLine(a, "      ----=-------------  ･･････････(1)式");
  appendLine(a, "       2    σsa･(d-x/3)");
  appendBlank(a);
  appendLine(a, fmt("      (1)式を反復計算し解[ y=0.000m]を得る。", H - an.l1));
  appendLine(a, "         従って");
  appendLine(a, fmt("         L1=h(壁高)-y         =0.000m", an.l1));
  appendLine(a,
             fmt("         L1+35φ              =0.000m", an.l1 + 35.0 * r.bars.diameter / 1000.0));
  appendLine(a, "         ここに");
  appendLine(a, fmt("            h (壁高)          =0.000m", H));
  appendLine(a, fmt("            φ(鉄筋径)        =0mm", r.bars.diameter));
  appendLine(a, "   (b)ケース② (L2の計算)：図参照");
  appendBlank(a);
  appendLine(a, "       σsa         d-x");
  appendLine(a, "      ------=n･σc･------ ･･････････(2)式");
  appendLine(a, "        2            x");
  appendBlank(a);
  appendLine(a, fmt("      (2)式を反復計算し解[ y=0.000m]を得る。", H - an.l2));
  appendLine(a, "         従って");
  appendLine(a, fmt("         L2=h(壁高)-y         =0.000m", an.l2));

  ListBox& b = results.listBox("ListBox22");
  b.lines.clear();
  appendBlank(b);
  appendLine(b, "   ここに");
  appendLine(b, fmt("     As  (たて壁つけ根配筋量) =0,0mm2", r.bars.providedAs));
  appendBlank(b);
  appendLine(b, "                      Kh･γs");
  appendLine(b, "     My  (曲げﾓｰﾒﾝﾄ)=--------･y^3");
  appendLine(b, "                        6");
  appendLine(b, fmt("     σsa(許容引張応力度)     =0.00N/mm2", s.allowableSteelTension));
  appendLine(b, "     d   (計算位置のたて壁有効厚)");
  appendBlank(b);
  appendLine(b, "              2･My");
  appendLine(b, "     σc=-------------");
  appendLine(b, "          b･x･(d-x/3)");
  appendBlank(b);
  appendLine(b, "        15･As/2            2･b･d");
  appendLine(b, "     x=--------･[-1+√(1+---------)]");
  appendLine(b, "           b              15･As/2");
  appendBlank(b);
  appendLine(b, fmt("     Kh  (水平土圧係数)       =0.000", r.pressure.fixedEndKh));
  appendLine(b, fmt("     γs (土の単位重量)       =0.00kN/m3", s.gammaS));
  appendLine(b, "     y   (計算位置の天端からの距離)");
  appendLine(b, "   主鉄筋の固定部から定着位置は(Lo)");
  appendLine(b, "   両者の大きい方の値を採用する。");
  appendBlank(b);
  appendLine(b, "   従って");
  appendLine(b, "     Lo(定着長)=Max(L1+35φ,L2)=" + fmt("0.000m", an.lo));
}

void writeStemTables(ResultsWindow& results, const StemDesign& r) {
  StringGrid& forces = results.grid("StringGrid1");
  StringGrid& stresses = results.grid("StringGrid4");
  for (int i = 0; i < 4; ++i) {
    const StemColumn& c = r.columns[std::size_t(i)];
    const StemForces& f = c.forces;
    const int col = 4 - i;
    const std::pair<const char*, double> forceRows[13] = {
        {"0.000m", f.depth},        {"0.00kN", f.earthH},         {"0.000m", f.earthArm},
        {"0.00kNm", f.earthMoment}, {"0.00kN", f.weight},         {"0.00kN", f.inertia},
        {"0.000m", f.inertiaArm},   {"0.00kNm", f.inertiaMoment}, {"0.00kN", f.waterH},
        {"0.000m", f.waterArm},     {"0.00kNm", f.waterMoment},   {"0.00kNm", f.moment},
        {"0.00kN", f.shear}};
    for (int row = 0; row < 13; ++row) {
      forces.setCell(col, row + 1, fmt(forceRows[row].first, forceRows[row].second));
    }
    stresses.setCell(col, 1, fmt("0.000m", f.depth));
    stresses.setCell(col, 2, fmt("0.000m", f.thickness));
    stresses.setCell(col, 3, fmt("0.00kNm", f.moment));
    stresses.setCell(col, 4, fmt("0.00kN", f.shear));
    stresses.setCell(col, 5, fmt("0.00kN", c.shear.sh));
    stresses.setCell(col, 6, fmt(",0mm2", c.requiredAs));
    stresses.setCell(col, 7, fmt(",0mm2", c.providedAs));
    stresses.setCell(col, 8, fmt("D0", r.bars.diameter) + fmt("@0", c.pitch));
    stresses.setCell(col, 9, fmt("0.00N/mm2", c.stresses.sigmaC));
    stresses.setCell(col, 10, fmt("0.00N/mm2", c.stresses.sigmaS));
    stresses.setCell(col, 11, fmt("0.00N/mm2", c.shear.tau));
    stresses.setCell(col, 12, fmt("0.00N/mm2", c.tauA));
    stresses.setCell(col, 13, fmt("0.000", c.ce));
    stresses.setCell(col, 14, fmt("0.000%", c.pt * 100) + fmt(":0.000", c.cpt));
    stresses.setCell(col, 15, c.ok ? "OK" : "不可");
  }
}

namespace {

// The wall outline seen from the stem top: x from the rear top corner, depth
// downwards.
void outlineFromTop(TAntei& s, Series& series) {
  ItemProperties wall = itemProperties(s, "W_A");
  for (int k = 0; k < wall.pointCount; ++k) {
    const ItemPoint& p = wall.points[std::size_t(k)];
    series.points.push_back({p.x - s.outlineX[5], s.outlineY[4] - p.y, "", std::nullopt});
  }
}

}  // namespace

void drawAnchorageFigures(ResultsWindow& results, TAntei& s, const StemDesign& r,
                          bool colourOutput) {
  const StemGeometry& g = r.geometry;
  const double H = g.height;
  const double sa = s.allowableSteelTension;
  const double as0 = r.bars.providedAs;
  const Colour curve = colourOutput ? clBlue : clBlack;
  const double depthMax = s.outlineY[4] - s.outlineY[12] + 0.5;

  Chart& l1 = results.chart("Chart6");
  Chart& l2 = results.chart("Chart9");
  clearChart(l1);
  clearChart(l2);
  // Depth below the wall top grows downwards, so the wall stands upright.
  l1.left = {-0.5, depthMax, "高さ(m)", true};
  l2.left = {-0.5, depthMax, "高さ(m)", true};
  l1.bottom = {-0.5 - s.outlineX[5], 1.1 * r.bars.requiredAs / 100, "×10 必要鉄筋量(mm2)"};
  l2.bottom = {-0.5 - s.outlineX[5], 1.1 * 2 * sa / 10, "×10　引張応力度(N/mm2)"};
  Series& wall1 = l1.seriesNamed("Series15");
  Series& wall2 = l2.seriesNamed("Series7");
  wall1.colour = clBlack;
  wall2.colour = clBlack;
  outlineFromTop(s, wall1);
  outlineFromTop(s, wall2);

  Series& area = l1.seriesNamed("Series31");
  Series& stress = l2.seriesNamed("Series44");
  area.colour = curve;
  stress.colour = curve;
  area.points.push_back({0, H, " ", std::nullopt});
  area.points.push_back({as0 / 200, H, " ", std::nullopt});
  area.points.push_back({as0 / 200, H - r.anchorage.l1, fmt("L1=0.000m", r.anchorage.l1), clRed});
  area.points.push_back({as0 / 200, H, fmt("As/2=0,0mm2", as0 / 2), clRed});
  stress.points.push_back({0, H, " ", std::nullopt});
  stress.points.push_back({sa / 20, H, " ", std::nullopt});
  stress.points.push_back({sa / 20, H - r.anchorage.l2, fmt("L2=0.000m", r.anchorage.l2), clRed});
  stress.points.push_back({sa / 20, H, fmt("σsa/2=0.00N/mm2", sa / 2), clRed});

  // Every 0.1 m down the stem; the count is bounded (10 km of stem) so a
  // height no step can move on still ends the curve.
  constexpr int kMaxCurveSteps = 100'000;
  int step = 0;
  for (double w = H; w > 0 && step < kMaxCurveSteps; w -= 0.1, ++step) {
    const bool top = w == H;
    StemForces f = stemSectionForces(s, g, r.pressure, top ? 0 : 1, w);
    const double d = g.effectiveDepth(w) * 1000.0;
    const double ar = requiredSteel(sa, f.moment * 1e6, d).as;
    area.points.push_back({ar / 100, w, top ? fmt("0,0mm2", ar) : " ", std::nullopt});
    const double sigmaS = sectionStresses(as0 / 2, f.shear, f.moment, d).sigmaS;
    stress.points.push_back({sigmaS / 10, w, top ? fmt("0.00N/mm2", sigmaS) : " ", std::nullopt});
  }
}

void drawStemBarFigure(ResultsWindow& results, TAntei& s) {
  Chart& chart = results.chart("Chart10");
  clearChart(chart);
  chart.title = "図:たて壁鉄配筋";
  chart.left = {s.outlineY[12] - 1, s.outlineY[4] + 1, "高さ(m)"};
  chart.bottom = {-0.5, s.outlineX[9] + 0.5, "幅(m)"};
  Series& wall = chart.seriesNamed("Series45");
  Series& bar = chart.seriesNamed("Series46");
  wall.colour = clBlack;
  bar.colour = clBlack;
  ItemProperties outline = itemProperties(s, "W_A");
  for (int k = 0; k + 1 < outline.pointCount; ++k) {
    const ItemPoint& p = outline.points[std::size_t(k)];
    wall.points.push_back({p.x, p.y, fmt("0", k), std::nullopt});
  }
  if (outline.pointCount > 0) {
    const ItemPoint& p = outline.points[std::size_t(outline.pointCount - 1)];
    wall.points.push_back({p.x, p.y, " ", std::nullopt});
  }
  const StringGrid& table = results.grid("StringGrid4");
  const double c = s.stemCover;
  const double topY = s.outlineY[5] - c;
  bar.points.push_back(
      {s.outlineX[5] - c, topY, table.cell(4, 8) + ":" + table.cell(4, 9), std::nullopt});
  bar.points.push_back({s.outlineX[5] - c + std::tan(s.wallFaceAngle) * (topY - s.slabCover),
                        s.slabCover, " ", std::nullopt});
}

}  // namespace kovrel
