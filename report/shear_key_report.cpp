#include "report/shear_key_report.h"

#include <string>

#include "engine/shear_key.h"
#include "report/member_report_common.h"
#include "report/reaction_diagram.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

std::string fmt(std::string_view picture, double value) {
  return formatNumber(picture, value);
}

}  // namespace

void writeKeyReport(ResultsWindow& results, TAntei& s, const KeyDesign& k, bool colourOutput) {
  ListBox& a = results.listBox("ListBox13");
  a.lines.clear();
  appendLine(a, "突起の設計");
  appendBlank(a);
  appendLine(a, "(a)断面力");
  appendLine(a, "　①突起に加わる水平力(Ht)は、次式で求める。");
  appendLine(a, "　　Ht={c･b1+v1･(tanφ-tanφb)+v2･tanφb}･Ho/Hk");
  appendLine(a, fmt("　　　=0.00kN", k.ht));
  appendBlank(a);
  appendLine(a, "　　ここに");
  appendLine(a, fmt("　　　b1(擁壁底面前端～突起前面の距離)=0.000m", s.keyB1));
  appendLine(a, fmt("　　　b2(有効載荷幅内の突起幅)　　　　=0.000m", s.keyB2));
  appendLine(a, "　　　v1=b1/Be･Vo　　　　　　　　　　 =" + fmt("0.00kN", s.keyV1));
  appendLine(a, "　　　v2=b2/Be･Vo　　　　　　　　　　 =" + fmt("0.00kN", s.keyV2));
  appendLine(a, "　　　　v1(b1に作用する鉛直荷重)");
  appendLine(a, "　　　　v2(b2に作用する鉛直荷重)");
  appendLine(a, "　　　Be(有効載荷幅)　　　　　　　　　=" + fmt("0.000m", s.effectiveWidth));
  appendLine(a, fmt("　　　Vo(擁壁底面における全鉛直荷重)　=0.00kN", s.sumV));
  appendLine(a, fmt("　　　φ (基礎地盤の剪断抵抗角)　　 　=0度", s.phiBaseDeg));
  appendLine(a, fmt("　　　φb(擁壁底面と地盤間の摩擦角)　 =0度", s.phiB * kDegreesPerRadian));
  appendLine(a, fmt("　　　c (基礎地盤の粘着力)　　　　　　=0.00kN/m2", s.cohesionBase));
  appendLine(a, fmt("　　　Ho(擁壁底面における全水平荷重)　=0.00kN", s.sumHcopy));
  appendLine(a, fmt("　　　Hk(擁壁底面と地盤間の剪断抵抗力)=0.00kN", s.shearResistance));
  appendBlank(a);
  appendLine(a, "　②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。");
  appendLine(a, "　　　　　H");
  appendLine(a, fmt("　　　M= ---･Ht =0.00kNm", k.m));
  appendLine(a, "　　　　　2");
  appendLine(a, "　　ここに");
  appendLine(a, fmt("　　　H (突起の高さ)　　　　=0.000m", k.height));
  appendLine(a, fmt("　　　Ht(突起に加わる水平力)=0.00kN", k.ht));
  appendBlank(a);

  ListBox& b = results.listBox("ListBox17");
  b.lines.clear();
  appendLine(b, "(b)応力度計算");
  appendLine(b, "　①必要鉄筋量の計算");
  appendLine(b, "　　必要鉄筋量(As)は、次式で求める。");
  appendLine(b, "　　　　　　 M");
  appendLine(b, fmt("　　As= --------------    =0mm2", k.bars.requiredAs));
  appendLine(b, "　　　　 σsa･(d-x/3)");
  appendLine(b, "　　ここに");
  appendLine(b, fmt("　　　M   (曲げﾓｰﾒﾝﾄ)　　 =0.00kNm", k.m));
  appendLine(b, fmt("　　　σsa(許容引張応力度)=0.00kN/m2", s.allowableSteelTension));
  appendLine(b, fmt("　　　d   (部材厚-かぶり) =0.000m", k.dk));
  appendLine(b, "　　　xは、次式で求める");
  appendLine(b, "　　　　　　　　　 6･M･15");
  appendLine(b, "　　　x^3-3d･x^2-(--------)･(x-d)=0");
  appendLine(b, "　　　　　　　　　 σsa･b");
  appendLine(b, fmt("　　　上記式を解いてx=0mmを得る。", k.bars.x));
  appendLine(b, "　　実際に使用する鉄筋量、鉄筋直径及び");
  appendLine(b, "　　鉄筋ピッチを求める。");
  appendLine(b, fmt("　　直径=D0mm", k.bars.diameter) + fmt(":ﾋﾟｯﾁ=@0mm", k.bars.pitch));
  appendLine(b, fmt("　　に設定すれば、使用鉄筋量は0,0mm2", k.bars.providedAs));
  appendLine(b, "　　になり、必要鉄筋量を満足する。");
  appendLine(b, "②実応力度の計算");
  appendLine(b, "  応力度は、次式で求める");
  appendLine(b, "　　　　　 2M");
  appendLine(b, fmt("　σc= ------------ =0.00N/mm2", k.stresses.sigmaC));
  appendLine(b, "　　　　b･x(d-x/3)");
  appendLine(b, "　　　　　　　d-x");
  appendLine(b, fmt("　σs= n･σc･------ =0.00N/mm2", k.stresses.sigmaS));
  appendLine(b, "　　　　　　　 x");
  appendLine(b, fmt("　τm= S/(b･d)　　　=0.00N/mm2", k.stresses.tau));
  appendBlank(b);
  appendLine(b, "　ここに");
  appendLine(b, fmt("　　S(剪断力)　　　 =0.00kN", k.ht));
  appendLine(b, "　　　 n･As           2b･d");
  appendLine(b, "　　x=-----･(-1+√(1+------)),n=15");
  appendLine(b, "　　　　b             n･As");
  appendLine(b, "  なお");
  appendLine(b, fmt("　Pt(軸方向引張鉄筋比)=A/(b･d)=0.000%", k.pt * 100));
  appendLine(b, "③コンクリートの許容剪断応力度(τca)");
  appendLine(b, "　τca=τa1･Ce･Cpt･Cdc        " + fmt("=0.00N/mm2", k.tauCa));
  appendLine(b, "　ここに");
  appendLine(b, "　　τa1(許容剪断応力度基準値)" + fmt("=0.00N/mm2", s.allowableShearBase));
  appendLine(b, "　　Ce　(有効高dの補正係数)　　　　 " + fmt("=0.000", k.ce));
  appendLine(b, "　　Pt　(軸方向引張鉄筋比)　　　　　" + fmt("=0.000%", k.pt * 100));
  appendLine(b, "　　Cpt (軸方向引張鉄筋比の補正係数)" + fmt("=0.000", k.cpt));
  appendLine(b, "　　Cdc (剪断ｽﾊﾟﾝ比[a/d]の補正係数) " + fmt("=0.000", k.cdc));
  appendLine(b, "　　　a (剪断ｽﾊﾟﾝ:荷重の合力位置)　 " + fmt("=0.000m", k.a));
  appendLine(b, "　　　d (突起の有効高)　　　　　　　" + fmt("=0.000m", k.dk));
  appendLine(b, "　計算結果を[図][表]に示す。");

  if (k.present) {
    DesignSummary sum = summariseDesign(k, k.ht, k.stresses.tau, s);
    writeDesignSummary(results.grid("StringGrid7"), sum, "0mm2");
  }

  Chart& chart = results.chart("Chart8");
  clearChart(chart);
  chart.left.minimum = -s.reactionToe / 100 - 0.5;
  chart.left.maximum = s.outlineY[3] + 0.5;
  chart.bottom.minimum = -1;
  chart.bottom.maximum = s.outlineX[9] + 0.5;
  Series& wall = chart.seriesNamed("Series35");
  Series& reaction = chart.seriesNamed("Series39");
  Series& bar = chart.seriesNamed("Series43");
  wall.colour = clBlack;
  bar.colour = clBlack;
  reaction.colour = reactionColour(colourOutput);
  drawWallOutline(s, wall);
  drawReactionDiagram(s, reaction, ReactionVariant::ShearKey);
  const double c = s.slabCover;
  const double xf = s.outlineX[13];
  const StringGrid& g = results.grid("StringGrid7");
  bar.points.push_back({xf + c, s.outlineY[1] - c, " ", std::nullopt});
  bar.points.push_back({xf + c, s.outlineY[12] + c, " ", std::nullopt});
  bar.points.push_back(
      {s.outlineX[11] - c, s.outlineY[12] + c, g.cell(1, 5) + ":" + g.cell(1, 6), std::nullopt});
  bar.points.push_back({s.outlineX[11] - c, s.outlineY[1] - c, " ", std::nullopt});
}

}  // namespace kovrel
